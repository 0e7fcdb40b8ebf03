#include "bridge/interface/logo.h"

#include "bridge/interface/logosource.h"
#include "core/gui/guicustomization.h"
#include "core/gui/guienvironment.h"

namespace bridge {
namespace interface {

Logo::Logo(QObject* parent)
    : lea::interface::Logo(parent)
{
    connect(gGuiEnv->guiCustomization(), &GuiCustomization::logoSourceChanged, this, &Logo::changed);
}

Logo::~Logo() = default;

QFileInfo Logo::logo() const
{
    return QFileInfo(gGuiEnv->guiCustomization()->logoSource());
}

void Logo::setLogo(const QFileInfo& file)
{
    detail::storeLogoSource(
        { &GuiCustomization::logoSource, &GuiCustomization::setLogoSource }, file, Q_FUNC_INFO);
}

} // namespace interface
} // namespace bridge
