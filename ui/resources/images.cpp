// SPDX-License-Identifier: GPL-3.0-or-later
// Maps the toolbar's image-list positions to the packed toolbar images.
#include "ui/resources/images.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QString>

#include <array>
#include <optional>

namespace navivor {
namespace {

// Hands every question to the icon it makes at the first one.
class IconEngineMadeWhenNeeded : public QIconEngine {
public:
    explicit IconEngineMadeWhenNeeded(std::function<QIcon()> make)
        : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    // QIcon asks for a pixmap of a scaled screen here, in the screen's pixels.
    void virtual_hook(int id, void* data) override {
        if (id != ScaledPixmapHook)
            return QIconEngine::virtual_hook(id, data);
        auto& asked = *static_cast<ScaledPixmapArgument*>(data);
        asked.pixmap =
            icon().pixmap(asked.size / asked.scale, asked.scale, asked.mode, asked.state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QIconEngine* clone() const override { return new IconEngineMadeWhenNeeded(*this); }

private:
    const QIcon& icon() {
        if (!icon_)
            icon_ = make_();
        return *icon_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> icon_;
};

} // namespace

QPixmap packedImage(const QString& path) {
    QImageReader reader(path, "png");
    // Told the format, the reader still offers the file to every image plugin first (loading
    // each) unless it is told not to look further.
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon iconMadeWhenNeeded(std::function<QIcon()> make) {
    return QIcon(new IconEngineMadeWhenNeeded(std::move(make)));
}

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(packedImage(QString(":/images/app/navivor-%1.png").arg(size)));
    return icon;
}

QIcon toolbarIcon(int index) {
    static constexpr std::array<const char*, 9> names{
        "exit", "save", "font", "page", "print", "background", "table", "about", "question"};
    if (index < 0 || index >= static_cast<int>(names.size())) {
        return {};
    }
    const QString base = QStringLiteral(":/images/toolbar/") + QLatin1String(names[index]);
    // The twin for high-density screens is decoded only where the screen needs it.
    QIcon icon(packedImage(base + QStringLiteral(".png")));
    if (qApp && qApp->devicePixelRatio() > 1) {
        QPixmap twin = packedImage(base + QStringLiteral("@2x.png"));
        twin.setDevicePixelRatio(2);
        icon.addPixmap(twin);
    }
    return icon;
}

} // namespace navivor
