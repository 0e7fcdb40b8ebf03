#include "core/catalogue/category.h"

#include <algorithm>
#include <QCryptographicHash>
#include <QFile>

Category::Category(QObject* parent)
    : QObject(parent)
{
}

Category::~Category() = default;

std::unique_ptr<Category> Category::clone() const
{
    auto copy = std::make_unique<Category>();
    copy->m_id = m_id;
    copy->m_categoryType = m_categoryType;
    copy->m_displayed = m_displayed;
    copy->m_title = m_title;
    copy->m_rows = m_rows;
    copy->m_columns = m_columns;
    copy->m_productIds = m_productIds;
    copy->m_imageSource = m_imageSource;
    copy->m_imageHash = m_imageHash;
    copy->m_extraText = m_extraText;
    return copy;
}

bool Category::isAvailable() const
{
    return std::any_of(m_productIds.cbegin(), m_productIds.cend(), [](int id) { return id >= 0; });
}

void Category::setImageSource(const QUrl& source, bool keepHash)
{
    m_imageSource = source;
    QFile file(source.toLocalFile());
    if (source.isLocalFile() && file.open(QIODevice::ReadOnly))
        m_imageHash
            = QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex());
    else if (!keepHash)
        m_imageHash.clear();
}
