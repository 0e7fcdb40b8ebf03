#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of the news band and web views.
class NewsFeed : public QObject
{
    Q_OBJECT

public:
    ~NewsFeed() override = default;

protected:
    explicit NewsFeed(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
