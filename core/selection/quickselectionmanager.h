#pragma once

#include "core/selection/qsproductcustomization.h"

#include <map>
#include <QDateTime>
#include <QObject>

class Product;

namespace quickselection {

/// The quick-selection codes of a configuration: a number the customer types
/// for a product, with the customization choices it brings.
class QuickSelectionManager : public QObject
{
    Q_OBJECT

public:
    explicit QuickSelectionManager(QObject* parent = nullptr);
    ~QuickSelectionManager() override;

    /// Defines (or redefines) a code (simulator hook).
    void setCode(int code, int productId, const QsCustomizationSet& choices = {});

    /// The loaded product of a code, or null.
    Product* productForQuickSelectionCode(int code) const;
    /// Some code selects this product.
    bool isBeverageActive(int productId) const;
    QsCustomizationSet customizationChoicesForQuickSelectionCode(int code) const;
    /// The code for this product with exactly these choices; 0 when there is none.
    int quickSelectionCodeForProduct(int productId, const QsCustomizationSet& choices) const;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    /// Minutes the warning about quick selection stays on screen.
    int warningMessageDelay() const { return m_warningMessageDelay; }
    void setWarningMessageDelay(int minutes);
    /// Until when the warning is shown; null while none is.
    QDateTime warningDisplayEndDate() const { return m_warningDisplayEnd; }
    void setWarningDisplayEndDate(const QDateTime& end) { m_warningDisplayEnd = end; }

signals:
    void enabledChanged();
    void warningMessageDelayChanged();

private:
    struct Entry
    {
        int productId = -1;
        QsCustomizationSet choices;
    };
    std::map<int, Entry> m_codes;
    bool m_enabled = false;
    int m_warningMessageDelay = 0;
    QDateTime m_warningDisplayEnd;
};

} // namespace quickselection
