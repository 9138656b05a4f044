// SPDX-License-Identifier: MIT
#include "png_icon_engine.h"

#include <QImageReader>
#include <QPainter>

PngIconEngine::PngIconEngine(std::map<int, QString> files)
    : m_files(std::move(files))
{}

void PngIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                          QIcon::State state)
{
    const qreal ratio = painter->device()->devicePixelRatio();
    const QPixmap image = pixmap(rect.size() * ratio, mode, state);
    painter->drawPixmap(rect, image);
}

QSize PngIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    const int side = sizeFor(size);
    return QSize(side, side).scaled(size, Qt::KeepAspectRatio).boundedTo(QSize(side, side));
}

QPixmap PngIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    if (m_files.empty() || size.isEmpty())
        return {};
    const QPixmap &image = loaded(sizeFor(size));
    const QSize wanted = actualSize(size, mode, state);
    if (image.size() == wanted)
        return image;
    return image.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QIconEngine *PngIconEngine::clone() const
{
    return new PngIconEngine(*this);
}

QList<QSize> PngIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const auto &file : m_files)
        sizes << QSize(file.first, file.first);
    return sizes;
}

bool PngIconEngine::isNull()
{
    return m_files.empty();
}

int PngIconEngine::sizeFor(const QSize &size) const
{
    if (m_files.empty())
        return 0;
    const auto covering = m_files.lower_bound(std::max(size.width(), size.height()));
    return covering != m_files.end() ? covering->first : m_files.rbegin()->first;
}

// The files are known to be PNG: without format detection, reading them does
// not load every image plug-in.
const QPixmap &PngIconEngine::loaded(int size)
{
    auto found = m_read.find(size);
    if (found == m_read.end()) {
        QImageReader reader(m_files.at(size), "png");
        reader.setAutoDetectImageFormat(false);
        found = m_read.emplace(size, QPixmap::fromImage(reader.read())).first;
    }
    return found->second;
}
