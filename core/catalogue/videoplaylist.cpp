#include "core/catalogue/videoplaylist.h"

VideoPlaylist::VideoPlaylist(QObject* parent)
    : QObject(parent)
{
}

VideoPlaylist::~VideoPlaylist() = default;
