#include "bridge/interface/footerlogo.h"

#include "bridge/interface/logosource.h"
#include "bridge/localimagestore.h"
#include "bridge/utils.h"
#include "core/configuration/configuration.h"
#include "core/configuration/generalsettings.h"
#include "core/gui/guicustomization.h"
#include "core/gui/guienvironment.h"

namespace bridge {
namespace interface {

FooterLogo::FooterLogo(QObject* parent)
    : lea::interface::FooterLogo(parent)
{
    connect(gGuiEnv->guiCustomization(), &GuiCustomization::logoQuorraFooterSourceChanged, this,
        &FooterLogo::changed);
    // Once per configuration, however often it is loaded again.
    utils::connectToConfigurationPart([](const Configuration* c) { return c->generalSettings(); },
        &GeneralSettings::showQuorraFooterLogoChanged, this, &FooterLogo::changed);
}

FooterLogo::~FooterLogo() = default;

QFileInfo FooterLogo::footerLogo() const
{
    const QString name = QFileInfo(gGuiEnv->guiCustomization()->logoQuorraFooter()).fileName();
    const QString path = LocalImageStore::instance().getGuiCustomizationImage(name);
    return path.isEmpty() ? QFileInfo() : QFileInfo(path);
}

void FooterLogo::setFooterLogo(const QFileInfo& file)
{
    detail::storeLogoSource(
        { &GuiCustomization::logoQuorraFooterSource, &GuiCustomization::setLogoQuorraFooterSource }, file,
        Q_FUNC_INFO);
}

} // namespace interface
} // namespace bridge
