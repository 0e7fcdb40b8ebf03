#pragma once

#include "lea/interface/footerlogo.h"

namespace bridge {
namespace interface {

/// The footer logo: its source is stored with the active group's settings,
/// its image is served from the local image store. Announces a change of the
/// source and of the configuration's flag that shows it.
class FooterLogo : public lea::interface::FooterLogo
{
    Q_OBJECT

public:
    explicit FooterLogo(QObject* parent);
    ~FooterLogo() override;

    /// The cached image file of the footer logo; an empty file info when
    /// there is none. A file that cannot be written throws std::runtime_error.
    QFileInfo footerLogo() const override;
    /// Shows `file` as the footer logo and stores it; a refused save is logged
    /// and the previous logo stays.
    void setFooterLogo(const QFileInfo& file) override;
};

} // namespace interface
} // namespace bridge
