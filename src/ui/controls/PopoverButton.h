#pragma once

#include "ui/controls/SymbolButton.h"

class Popover;

// A symbol button that shows a hint in a bubble (200 wide) under it. A click
// opens or closes the hint; a click anywhere outside the hint closes it.
class PopoverButton : public SymbolButton {
    Q_OBJECT
public:
    PopoverButton(const QString& systemImageName, const QString& hint, QSizeF symbolSize,
                  const ResourceLocator& resources, QWidget* parent = nullptr);

    const QString& hint() const { return m_hint; }
    bool isPopoverPresented() const { return m_isPopoverPresented; }
    void setPopoverPresented(bool presented);
    Popover* popover() const { return m_popover; }

signals:
    void isPopoverPresentedChanged(bool presented);

private:
    QString m_hint;
    Popover* m_popover = nullptr;
    bool m_isPopoverPresented = false;
};
