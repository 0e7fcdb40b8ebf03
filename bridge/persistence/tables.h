#pragma once

#include <QString>

namespace bridge {
namespace persistence {
/// Names of the tables that this library keeps in the machine's database and
/// of their columns. Stored databases and connectivity services rely on them.
namespace tables {

inline const QString Id = QStringLiteral("id");
inline const QString Status = QStringLiteral("status");
inline const QString Source = QStringLiteral("source");

namespace files {
inline const QString Table = QStringLiteral("Connectivity_File_Download");
inline const QString Uuid = QStringLiteral("uuid");
inline const QString FileUuid = QStringLiteral("file_uuid");
inline const QString FileUrl = QStringLiteral("file_url");
inline const QString FileSize = QStringLiteral("file_size");
inline const QString FileType = QStringLiteral("file_type");
inline const QString FileDestination = QStringLiteral("file_destination");
inline const QString ConsumedCredits = QStringLiteral("consumed_credits");
inline const QString CreditSize = QStringLiteral("credit_size");
inline const QString Start = QStringLiteral("start");
inline const QString End = QStringLiteral("end");
inline const QString ChunkSize = QStringLiteral("chunk_size");
inline const QString ChunksStates = QStringLiteral("chunks_states");
} // namespace files

namespace objects {
inline const QString Table = QStringLiteral("Connectivity_Object_Download");
inline const QString ObjectUuid = QStringLiteral("object_uuid");
inline const QString ObjectType = QStringLiteral("object_type");
inline const QString Data = QStringLiteral("data");
inline const QString Files = QStringLiteral("files");
} // namespace objects

namespace requests {
inline const QString Table = QStringLiteral("Connectivity_Requests");
inline const QString DeliveryId = QStringLiteral("delivery_id");
inline const QString Type = QStringLiteral("type");
} // namespace requests

} // namespace tables
} // namespace persistence
} // namespace bridge
