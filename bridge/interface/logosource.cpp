#include "bridge/interface/logosource.h"

#include "bridge/writerule.h"
#include "core/gui/guicustomization.h"
#include "core/gui/guienvironment.h"

namespace bridge {
namespace interface {
namespace detail {

void storeLogoSource(const LogoSource& source, const QFileInfo& file, const char* signature)
{
    GuiCustomization& customization = *gGuiEnv->guiCustomization();
    const QString previous = (customization.*source.get)();
    (customization.*source.set)(QStringLiteral("file://") + file.absoluteFilePath());
    if (!utils::FailureLog(signature, Log::Global).stored(customization.save(), "Failed to save the logo"))
        (customization.*source.set)(previous);
}

} // namespace detail
} // namespace interface
} // namespace bridge
