#pragma once

#include <functional>

class Configuration;
class QObject;
class VideoPlaylist;

namespace bridge {
namespace utils {
class FailureLog;
} // namespace utils

namespace interface {

/// Makes and stores a change of the general settings that moves a playlist
/// use (the screen saver's, the home page's...) from `previous` to `next`,
/// either of which may be null: `change` sets `settings` and the playlists'
/// flags, then the playlists' rows and the general settings are stored. When
/// a save is refused it is logged with `owner` ("screen saver"), and memory
/// and the rows are put back as they were. False on failure.
bool storeMovedUse(Configuration& configuration, QObject& settings, VideoPlaylist* previous,
    VideoPlaylist* next, const std::function<void()>& change, const utils::FailureLog& log,
    const char* owner);

} // namespace interface
} // namespace bridge
