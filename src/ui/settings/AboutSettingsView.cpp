#include "ui/settings/AboutSettingsView.h"

#include "platform/AppInfo.h"
#include "platform/ResourceLocator.h"
#include "ui/controls/EmojiFont.h"
#include "ui/settings/ContactLinks.h"

#include <QDate>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {

constexpr int iconSize = 60;
constexpr int titlePixelSize = 15;
constexpr int noticePixelSize = 12;
constexpr qreal noticeOpacity = 0.6;
constexpr int horizontalMargin = 16;
constexpr int verticalMargin = 8;
const QString emojiSign = QStringLiteral("\u26A1\uFE0F");

// The image the information values name, in any of the formats we ship.
std::optional<QIcon> namedIcon(const AppInfo& appInfo, const ResourceLocator& resources) {
    const std::optional<QString> name = appInfo.value(QStringLiteral("CFBundleIconFile"));
    if (!name)
        return std::nullopt;
    for (const QString& extension : {QStringLiteral("svg"), QStringLiteral("png")}) {
        if (const auto path = resources.path(*name, extension)) {
            QIcon icon(*path);
            if (!icon.pixmap(iconSize).isNull())
                return icon;
        }
    }
    return std::nullopt;
}

QLabel* textLabel(const QString& text, int pixelSize) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    return label;
}

} // namespace

AboutSettingsView::AboutSettingsView(const AppInfo& appInfo, const ResourceLocator& resources,
                                     QWidget* parent)
    : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(horizontalMargin, verticalMargin, horizontalMargin, verticalMargin);
    if (const std::optional<QIcon> icon = namedIcon(appInfo, resources)) {
        auto* image = new QLabel;
        image->setObjectName(QStringLiteral("icon"));
        image->setPixmap(icon->pixmap(iconSize, iconSize));
        image->setFixedSize(iconSize, iconSize);
        row->addWidget(image, 0, Qt::AlignVCenter);
    }

    auto* column = new QVBoxLayout;
    column->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QLabel* titleLabel = textLabel(QString(), titlePixelSize);
    titleLabel->setTextFormat(Qt::RichText);
    titleLabel->setText(withEmojiFont(title(appInfo)));
    column->addWidget(titleLabel);
    QLabel* noticeLabel =
        textLabel(notice(appInfo.value(QStringLiteral("NSHumanReadableCopyright")),
                         QDate::currentDate().year()),
                  noticePixelSize);
    QPalette faint = noticeLabel->palette();
    QColor text = faint.color(QPalette::WindowText);
    text.setAlphaF(noticeOpacity);
    faint.setColor(QPalette::WindowText, text);
    noticeLabel->setPalette(faint);
    noticeLabel->setWordWrap(true);
    column->addWidget(noticeLabel);
    auto* sayHi = new QPushButton(tr("Say hi"));
    connect(sayHi, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromUtf8(ContactLinks::makerWebPage))); });
    column->addWidget(sayHi, 0, Qt::AlignLeft);
    row->addLayout(column, 1);
}

QString AboutSettingsView::title(const AppInfo& appInfo) {
    return appInfo.value(QStringLiteral("CFBundleName")).value_or(QStringLiteral("Tesselle")) +
           QLatin1Char(' ') + emojiSign + QLatin1Char(' ') +
           tr("Version %1")
               .arg(appInfo.value(QStringLiteral("CFBundleShortVersionString"))
                        .value_or(QStringLiteral("???")));
}

QString AboutSettingsView::notice(const std::optional<QString>& copyright, int year) {
    if (!copyright)
        return QStringLiteral("???");
    return QString(*copyright).replace(QStringLiteral("2023"), QString::number(year));
}
