// SPDX-License-Identifier: MIT
#pragma once

#include <QIconEngine>
#include <QPixmap>

#include <map>

/// An icon made of square PNG files, one per size, each read only when a
/// size it serves is first asked for: a platform that shows no window icon
/// never reads them, and reading them all would cost the start-up a few per
/// cent. Every mode and state shows the same images.
class PngIconEngine : public QIconEngine
{
public:
    /// @p files: each size in pixels with its file.
    explicit PngIconEngine(std::map<int, QString> files);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    [[nodiscard]] QSize actualSize(const QSize &size, QIcon::Mode mode,
                                   QIcon::State state) override;
    [[nodiscard]] QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    [[nodiscard]] QIconEngine *clone() const override;
    [[nodiscard]] QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    [[nodiscard]] bool isNull() override;

private:
    /// The smallest size that covers @p size, else the largest there is.
    [[nodiscard]] int sizeFor(const QSize &size) const;
    [[nodiscard]] const QPixmap &loaded(int size);

    std::map<int, QString> m_files;
    std::map<int, QPixmap> m_read;
};
