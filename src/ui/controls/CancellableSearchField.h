#pragma once

#include "ui/controls/SearchField.h"

class SymbolButton;

// A search field with a clear button after the text, there exactly while the
// text is not empty. Return does nothing.
class CancellableSearchField : public SearchField {
    Q_OBJECT
public:
    CancellableSearchField(const QString& placeholder, const ResourceLocator& resources,
                           QWidget* parent = nullptr);

    SymbolButton& clearButton() const { return *m_clearButton; }

private:
    SymbolButton* m_clearButton;
};
