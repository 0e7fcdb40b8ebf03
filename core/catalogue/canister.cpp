#include "core/catalogue/canister.h"

#include <QMetaEnum>

Canister::Canister(QObject* parent)
    : QObject(parent)
{
}

Canister::~Canister() = default;

QString Canister::logicalIdToTranslationKey(LogicalCanisterId id)
{
    // "SecondMilkPowder" becomes "CANISTER_SECOND_MILK_POWDER".
    const char* name = QMetaEnum::fromType<LogicalCanisterId>().valueToKey(id);
    if (!name)
        return QString();
    QString key = QStringLiteral("CANISTER");
    for (const QChar c : QString::fromLatin1(name)) {
        if (c.isUpper())
            key += QLatin1Char('_');
        key += c.toUpper();
    }
    return key;
}
