#include "ui/controls/TextShortcutsStatus.h"

#include "shortcuts/TextExpanderMonitor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

// The width of the General page's control column. Windows that take their
// size from size hints do not follow a wrapped label's height for its width,
// so the row's label wraps at a known width and asks for the height it needs.
constexpr int rowWidth = 180;

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
    const int width =
        rowWidth - (canStart ? m_startButton->sizeHint().width() + layout()->spacing() : 0);
    m_label->setFixedSize(width, m_label->heightForWidth(width));
}
