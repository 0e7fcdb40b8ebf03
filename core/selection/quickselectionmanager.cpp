#include "core/selection/quickselectionmanager.h"

#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"

#include <algorithm>

namespace quickselection {

namespace {

bool sameChoices(const QsCustomizationSet& a, const QsCustomizationSet& b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(),
        [](const auto& x, const auto& y) { return x && y && *x == *y; });
}

} // namespace

QuickSelectionManager::QuickSelectionManager(QObject* parent)
    : QObject(parent)
{
}

QuickSelectionManager::~QuickSelectionManager() = default;

void QuickSelectionManager::setCode(int code, int productId, const QsCustomizationSet& choices)
{
    QsCustomizationSet ordered = choices;
    std::sort(
        ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a->type() < b->type(); });
    m_codes[code] = Entry { productId, ordered };
}

Product* QuickSelectionManager::productForQuickSelectionCode(int code) const
{
    const auto it = m_codes.find(code);
    const Configuration* configuration = gCoreEnv ? gCoreEnv->configuration() : nullptr;
    return it != m_codes.end() && configuration ? configuration->product(it->second.productId) : nullptr;
}

bool QuickSelectionManager::isBeverageActive(int productId) const
{
    return std::any_of(m_codes.cbegin(), m_codes.cend(),
        [productId](const auto& entry) { return entry.second.productId == productId; });
}

QsCustomizationSet QuickSelectionManager::customizationChoicesForQuickSelectionCode(int code) const
{
    const auto it = m_codes.find(code);
    return it == m_codes.end() ? QsCustomizationSet() : it->second.choices;
}

int QuickSelectionManager::quickSelectionCodeForProduct(
    int productId, const QsCustomizationSet& choices) const
{
    for (const auto& [code, entry] : m_codes) {
        if (entry.productId == productId && sameChoices(entry.choices, choices))
            return code;
    }
    return 0;
}

void QuickSelectionManager::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged();
}

void QuickSelectionManager::setWarningMessageDelay(int minutes)
{
    if (minutes == m_warningMessageDelay)
        return;
    m_warningMessageDelay = minutes;
    emit warningMessageDelayChanged();
}

} // namespace quickselection
