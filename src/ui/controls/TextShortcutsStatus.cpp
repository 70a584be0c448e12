#include "ui/controls/TextShortcutsStatus.h"

#include "shortcuts/TextExpanderMonitor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextDocumentFragment>

namespace {

// The narrowest the row goes. It asks for its text on one line and wraps its
// words at the width the General page's control column gives it: a row placed
// at less than it asks for would be laid out for the whole column's width.
constexpr int minimumRowWidth = 100;

QString installLink() {
    return TextShortcutsStatus::tr("<a href=\"%1\">How to install espanso</a>")
        .arg(QString::fromLatin1(TextShortcutsStatus::installGuide));
}

} // namespace

TextShortcutsStatus::TextShortcutsStatus(TextExpanderMonitor& monitor, Form form, QWidget* parent)
    : QWidget(parent), m_monitor(monitor), m_form(form), m_label(new QLabel),
      m_startButton(new QPushButton(tr("Start espanso"))) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_label->setWordWrap(true);
    if (form == Form::row) {
        QSizePolicy policy = sizePolicy();
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }
    m_label->setTextFormat(Qt::RichText);
    m_label->setOpenExternalLinks(true);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_startButton);
    connect(m_startButton, &QPushButton::clicked, &monitor, &TextExpanderMonitor::startExpander);
    connect(&monitor, &TextExpanderMonitor::stateChanged, this, &TextShortcutsStatus::showState);
    showState();
}

QString TextShortcutsStatus::text() const {
    return m_label->text();
}

void TextShortcutsStatus::showState() {
    using Kind = TextExpanderState::Kind;
    const std::optional<TextExpanderState>& state = m_monitor.state();
    const bool isMissing = state && state->kind == Kind::NotInstalled;
    QString text;
    if (!state) {
        text = tr("Checking espanso…");
    } else if (state->kind == Kind::Running) {
        text = state->version.isEmpty()
                   ? tr("Working through espanso")
                   : tr("Working through espanso %1").arg(state->version.toHtmlEscaped());
    } else if (state->kind == Kind::NotRunning) {
        text = tr("espanso is installed but not running");
    } else {
        text = tr("espanso is not installed: shortcuts start working once it is. %1")
                   .arg(installLink());
    }
    m_label->setText(text);
    const bool canStart = m_form == Form::row && state && state->kind == Kind::NotRunning;
    m_startButton->setVisible(canStart);
    if (m_form == Form::missingOnly) {
        setVisible(isMissing);
        return;
    }
    updateGeometry();
}

QSize TextShortcutsStatus::sizeHint() const {
    if (m_form == Form::missingOnly)
        return QWidget::sizeHint();
    const int oneLine =
        m_label->fontMetrics().horizontalAdvance(
            QTextDocumentFragment::fromHtml(m_label->text()).toPlainText()) +
        (m_startButton->isVisibleTo(this) ? m_startButton->sizeHint().width() + layout()->spacing()
                                          : 0);
    return {oneLine, heightForWidth(oneLine)};
}

QSize TextShortcutsStatus::minimumSizeHint() const {
    if (m_form == Form::missingOnly)
        return QWidget::minimumSizeHint();
    return {minimumRowWidth, heightForWidth(minimumRowWidth)};
}

bool TextShortcutsStatus::hasHeightForWidth() const {
    return m_form == Form::row || QWidget::hasHeightForWidth();
}

int TextShortcutsStatus::heightForWidth(int width) const {
    if (m_form == Form::missingOnly)
        return QWidget::heightForWidth(width);
    const int button = m_startButton->isVisibleTo(this)
                           ? m_startButton->sizeHint().width() + layout()->spacing()
                           : 0;
    return std::max(m_label->heightForWidth(width - button),
                    m_startButton->isVisibleTo(this) ? m_startButton->sizeHint().height() : 0);
}
