#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of media playlists shown by the user interface.
class Playlists : public QObject
{
    Q_OBJECT

public:
    ~Playlists() override = default;

protected:
    explicit Playlists(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
