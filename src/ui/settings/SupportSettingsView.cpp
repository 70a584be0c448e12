#include "ui/settings/SupportSettingsView.h"

#include "ui/settings/ContactLinks.h"

#include <QDesktopServices>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtMath>

namespace {

constexpr int textWidth = 290;
constexpr int verticalMargin = 8;

// What may stand unencoded in a query value besides letters, digits and "-._~".
// "&", "=" and "+" are encoded: they would split the query or read as a space.
const QByteArray queryAllowed = "!$'()*,;:@/?";

} // namespace

SupportSettingsView::SupportSettingsView(QWidget* parent) : QWidget(parent) {
    // The column, as wide as its text, stands in the middle of the page.
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(0, verticalMargin, 0, verticalMargin);
    auto* column = new QVBoxLayout;
    page->addStretch(1);
    page->addLayout(column);
    page->addStretch(1);
    auto* text = new QLabel(tr("Get in touch for any feedback, questions or features requests!"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft);
    // Its width on one line, wrapped when that is more than the text may take.
    const int oneLine = qCeil(QFontMetricsF(text->font()).horizontalAdvance(text->text()));
    text->setFixedWidth(std::min(oneLine, textWidth));
    column->addWidget(text);
    auto* contact = new QPushButton(tr("Contact"));
    connect(contact, &QPushButton::clicked, this, [] {
        const std::optional<QUrl> link =
            mailLink(QString::fromUtf8(ContactLinks::supportAddress),
                     QStringLiteral("Tesselle Support!"), QStringLiteral("Hi"));
        if (link)
            QDesktopServices::openUrl(*link);
    });
    column->addWidget(contact, 0, Qt::AlignLeft);
}

std::optional<QUrl> SupportSettingsView::mailLink(const QString& address, const QString& subject,
                                                  const QString& body) {
    const QByteArray link = "mailto:" + address.toUtf8() +
                            "?subject=" + QUrl::toPercentEncoding(subject, queryAllowed) +
                            "&body=" + QUrl::toPercentEncoding(body, queryAllowed);
    const QUrl url = QUrl::fromEncoded(link, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}
