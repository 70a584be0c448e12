#pragma once

#include <QWidget>

class QHBoxLayout;
class QLineEdit;
class ResourceLocator;

// The program's one-line text input: a magnifying glass, the text, and an
// optional accessory after it, on a translucent rounded background with a grey
// outline. Its look does not change with focus or content. Return is taken by
// the field: it emits committed() and goes no further.
class SearchField : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal searchFieldCornerRadius = 6;

    SearchField(const QString& placeholder, const ResourceLocator& resources,
                QWidget* parent = nullptr);

    QString query() const;
    // Updates the text and everything that depends on it, as typing does.
    void setQuery(const QString& query);
    // Shown after the text; the field owns it.
    void setAccessory(QWidget* accessory);

    QLineEdit& lineEdit() const { return *m_lineEdit; }

signals:
    // Every edit, typed or set.
    void queryChanged(const QString& query);
    // Return was pressed in the field.
    void committed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QHBoxLayout* m_row;
    QLineEdit* m_lineEdit;
};
