#include "ui/settings/SettingsView.h"

#include "settings/Preferences.h"
#include "ui/controls/AccentColor.h"
#include "ui/controls/SymbolImage.h"
#include "ui/settings/AboutSettingsView.h"
#include "ui/settings/SettingsPage.h"
#include "ui/settings/SupportSettingsView.h"

#include <QPainter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int viewWidth = 370;
constexpr int padding = 16;
constexpr int symbolSize = 16;

QIcon symbolIcon(const ResourceLocator& resources, const QString& name, const QColor& color) {
    QPixmap pixmap(symbolSize * 2, symbolSize * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    SymbolImage::paint(resources, painter, QRectF(0, 0, symbolSize, symbolSize), name, color);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

SettingsView::SettingsView(GeneralSettingsView::Services general, const AppInfo& appInfo,
                           const ResourceLocator& resources, QWidget* parent)
    : QWidget(parent), m_tabs(new QTabWidget) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding);
    m_tabs->setAccessibleName(tr("Settings"));
    layout->addWidget(m_tabs);
    setFixedWidth(viewWidth);
    followAccentColor(*this, general.preferences);
    const QColor symbolColor = palette().color(QPalette::WindowText);
    m_tabs->addTab(new SettingsPage(new GeneralSettingsView(general, resources)),
                   symbolIcon(resources, "gearshape", symbolColor), tr("General"));
    m_tabs->addTab(new SettingsPage(new SupportSettingsView),
                   symbolIcon(resources, "bubble.left.and.bubble.right", symbolColor),
                   tr("Support"));
    m_tabs->addTab(new SettingsPage(new AboutSettingsView(appInfo, resources)),
                   symbolIcon(resources, "bolt", symbolColor), tr("About"));
    // Wider only where a language's titles leave the controls too little room.
    setFixedWidth(std::max(viewWidth, minimumSizeHint().width()));
}
