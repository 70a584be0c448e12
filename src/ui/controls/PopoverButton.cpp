#include "ui/controls/PopoverButton.h"

#include "ui/controls/EmojiFont.h"
#include "ui/controls/Popover.h"

#include <QLabel>
#include <QTextDocumentFragment>

namespace {
constexpr int hintWidth = 200;
constexpr int hintPadding = 12;
} // namespace

PopoverButton::PopoverButton(const QString& systemImageName, const QString& hint, QSizeF symbolSize,
                             const ResourceLocator& resources, QWidget* parent)
    : SymbolButton(systemImageName, symbolSize, resources, parent), m_hint(hint) {
    const QString plainHint = QTextDocumentFragment::fromHtml(hint).toPlainText();
    setAccessibleName(tr("Help: %1").arg(plainHint));
    setAccessibleDescription(plainHint);
    connect(this, &QAbstractButton::clicked, this,
            [this] { setPopoverPresented(!m_isPopoverPresented); });
}

void PopoverButton::setPopoverPresented(bool presented) {
    if (presented == m_isPopoverPresented)
        return;
    m_isPopoverPresented = presented;
    if (presented) {
        if (!m_popover) {
            m_popover = new Popover(Popover::Behavior::transient, this);
            auto* label = new QLabel(withEmojiFont(m_hint));
            label->setTextFormat(Qt::RichText);
            label->setWordWrap(true);
            label->setFixedWidth(hintWidth);
            m_popover->setContent(label, hintPadding);
            connect(m_popover, &Popover::dismissed, this, [this] { setPopoverPresented(false); });
        }
        m_popover->showAt();
    } else if (m_popover) {
        m_popover->hide();
    }
    emit isPopoverPresentedChanged(presented);
}
