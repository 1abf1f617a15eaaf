#include "app/widgets/ToolbarIcon.h"

#include <QFile>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Renders the SVG afresh for each size and device pixel ratio, so that a
// 16-pixel button stays sharp on a high-density screen.
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(const QString& path) : path_(path), renderer_(path) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        if (mode != QIcon::Disabled) {
            renderer_.render(painter, rect);
            return;
        }
        painter->drawImage(rect, disabledImage(rect.size() * painter->device()->devicePixelRatio()));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new SvgIconEngine(path_); }
    bool isNull() override { return !renderer_.isValid(); }

private:
    // Grey and faint, so that a coloured icon reads as unavailable at a glance.
    QImage disabledImage(const QSize& size) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter imagePainter(&image);
        renderer_.render(&imagePainter);
        imagePainter.end();
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grey = qGray(line[x]);
                line[x] = qRgba(grey, grey, grey, int(qAlpha(line[x]) * kDisabledOpacity));
            }
        }
        return image;
    }

    static constexpr double kDisabledOpacity = 0.4;
    QString path_;
    QSvgRenderer renderer_;
};

QIcon iconFromSvg(const QString& path) {
    if (!QFile::exists(path))
        return {};
    return QIcon(new SvgIconEngine(path));
}

}  // namespace

QIcon toolbarIcon(std::string_view name) {
    return iconFromSvg(QStringLiteral(":/icons/toolbar/%1.svg").arg(QString::fromUtf8(name.data(), qsizetype(name.size()))));
}

QIcon applicationIcon() { return iconFromSvg(QStringLiteral(":/icons/vorelin.svg")); }
