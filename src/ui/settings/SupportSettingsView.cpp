#include "ui/settings/SupportSettingsView.h"

#include "ui/settings/ContactLinks.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int textWidth = 290;
constexpr int verticalMargin = 8;

// What may stand unencoded in a query value besides letters, digits and "-._~".
// "&", "=" and "+" are encoded: they would split the query or read as a space.
const QByteArray queryAllowed = "!$'()*,;:@/?";

} // namespace

SupportSettingsView::SupportSettingsView(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, verticalMargin, 0, verticalMargin);
    column->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(
        QStringLiteral("Get in touch for any feedback, questions or features requests!"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft);
    text->setMaximumWidth(textWidth);
    column->addWidget(text);
    auto* contact = new QPushButton(QStringLiteral("Contact"));
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
