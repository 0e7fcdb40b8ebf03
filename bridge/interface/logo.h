#pragma once

#include "lea/interface/logo.h"

namespace bridge {
namespace interface {

/// The machine's main logo: the screen layer's logo source, stored with the
/// active group's settings.
class Logo : public lea::interface::Logo
{
    Q_OBJECT

public:
    explicit Logo(QObject* parent);
    ~Logo() override;

    /// The stored source text as it is ("file://" and the path).
    QFileInfo logo() const override;
    /// Shows `file` as the logo and stores it; a refused save is logged and
    /// the previous logo stays.
    void setLogo(const QFileInfo& file) override;
};

} // namespace interface
} // namespace bridge
