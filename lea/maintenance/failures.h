#pragma once

#include "lea/translation.h"

#include <cstdint>
#include <map>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <vector>

namespace lea {
namespace maintenance {

/// A machine failure. The names and meanings of the failures belong to the
/// core's texts; here they are only numbered.
enum FailureId : int32_t {
    Failure0 = 0,
    Failure1 = 1,
    Failure2 = 2,
    Failure3 = 3,
    Failure4 = 4,
    Failure5 = 5,
    Failure6 = 6,
    Failure7 = 7,
    Failure8 = 8,
    Failure9 = 9,
    Failure10 = 10,
    Failure11 = 11,
    Failure12 = 12,
    Failure13 = 13,
    Failure14 = 14,
    Failure15 = 15,
    Failure16 = 16,
    Failure17 = 17,
    Failure18 = 18,
    Failure19 = 19,
    Failure20 = 20,
    Failure21 = 21,
    Failure22 = 22,
    Failure23 = 23,
    Failure24 = 24,
    Failure25 = 25,
    Failure26 = 26,
    Failure27 = 27,
    Failure28 = 28,
    Failure29 = 29,
    Failure30 = 30,
    Failure31 = 31,
    Failure32 = 32,
    Failure33 = 33,
    Failure34 = 34,
    Failure35 = 35,
    Failure36 = 36,
    Failure37 = 37,
    Failure38 = 38,
    Failure39 = 39,
    Failure40 = 40,
    Failure41 = 41,
    Failure42 = 42,
    Failure43 = 43,
    Failure44 = 44,
    Failure45 = 45,
    Failure46 = 46,
    Failure47 = 47,
    Failure48 = 48,
    Failure49 = 49,
    Failure50 = 50,
    Failure51 = 51,
    Failure52 = 52,
    Failure53 = 53,
    Failure54 = 54,
    Failure55 = 55,
    Failure56 = 56,
    Failure57 = 57,
    Failure58 = 58,
    Failure59 = 59,
    Failure60 = 60,
    Failure61 = 61,
    Failure62 = 62,
    Failure63 = 63,
    Failure64 = 64,
    Failure65 = 65,
    Failure66 = 66,
    Failure67 = 67,
    Failure68 = 68,
    Failure69 = 69,
    Failure70 = 70,
    Failure71 = 71,
    Failure72 = 72,
    Failure73 = 73,
    Failure74 = 74,
    Failure75 = 75,
    Failure76 = 76,
    Failure77 = 77,
    Failure78 = 78,
    Failure79 = 79,
    Failure80 = 80,
    Failure81 = 81,
    Failure82 = 82,
    Failure83 = 83,
    Failure84 = 84,
    Failure85 = 85,
    Failure86 = 86,
    Failure87 = 87,
    Failure88 = 88,
    Failure89 = 89,
    Failure90 = 90,
    Failure91 = 91,
    Failure92 = 92,
    Failure93 = 93,
    Failure94 = 94,
    Failure95 = 95,
    Failure96 = 96,
    Failure97 = 97,
    Failure98 = 98,
    Failure99 = 99,
    Failure100 = 100,
    Failure101 = 101,
    Failure102 = 102,
    Failure103 = 103,
    Failure104 = 104,
    Failure105 = 105,
    Failure106 = 106,
    Failure107 = 107,
    Failure108 = 108,
    Failure109 = 109,
    Failure110 = 110,
    Failure111 = 111,
    Failure112 = 112,
    Failure113 = 113,
    Failure114 = 114,
    Failure115 = 115,
    Failure116 = 116,
    Failure117 = 117,
    Failure118 = 118,
    Failure119 = 119,
    Failure120 = 120,
    Failure121 = 121,
    Failure122 = 122,
    Failure123 = 123,
    Failure124 = 124,
    Failure125 = 125,
    Failure126 = 126,
    Failure127 = 127,
    Failure128 = 128,
    Failure129 = 129,
    Failure130 = 130,
    Failure131 = 131,
    Failure132 = 132,
    Failure133 = 133,
    Failure134 = 134,
    Failure135 = 135,
    Failure136 = 136,
    Failure137 = 137,
    Failure138 = 138,
    Failure139 = 139,
    Failure140 = 140,
    Failure141 = 141,
    Failure142 = 142,
    Failure143 = 143,
    Failure144 = 144,
    Failure145 = 145,
    Failure146 = 146,
    Failure147 = 147,
    Failure148 = 148,
    Failure149 = 149,
    Failure150 = 150,
    Failure151 = 151,
    Failure152 = 152,
    Failure153 = 153,
    Failure154 = 154,
    Failure155 = 155,
    Failure156 = 156,
    Failure157 = 157,
    Failure158 = 158,
    Failure159 = 159,
    Failure160 = 160,
    Failure161 = 161,
    Failure162 = 162,
    Failure163 = 163,
    Failure164 = 164,
    Failure165 = 165,
    Failure166 = 166,
    Failure167 = 167,
    Failure168 = 168,
    Failure169 = 169,
    Failure170 = 170,
    Failure171 = 171,
    Failure172 = 172,
    Failure173 = 173,
    Failure174 = 174,
    Failure175 = 175,
    Failure176 = 176,
    Failure177 = 177,
    Failure178 = 178,
    Failure179 = 179,
    Failure180 = 180,
    Failure181 = 181,
    Failure182 = 182,
    Failure183 = 183,
    Failure184 = 184,
    Failure185 = 185,
    Failure186 = 186,
    Failure187 = 187,
    Failure188 = 188,
    Failure189 = 189,
    Failure190 = 190,
    Failure191 = 191,
    Failure192 = 192,
    Failure193 = 193,
    Failure194 = 194,
    Failure195 = 195,
    Failure196 = 196,
    Failure197 = 197,
    Failure198 = 198,
    Failure199 = 199,
    Failure200 = 200,
    Failure201 = 201,
    Failure202 = 202,
    Failure203 = 203,
    Failure204 = 204,
    Failure205 = 205,
    Failure206 = 206,
    Failure207 = 207,
    Failure208 = 208,
    Failure209 = 209,
    Failure210 = 210,
    Failure211 = 211,
    Failure212 = 212,
    Failure213 = 213,
    Failure214 = 214,
    Failure215 = 215,
    Failure216 = 216,
    Failure217 = 217,
    Failure218 = 218,
    Failure219 = 219,
    Failure220 = 220,
    Failure221 = 221,
    Failure222 = 222,
    Failure223 = 223,
    Failure224 = 224,
    Failure225 = 225,
    Failure226 = 226,
    Failure227 = 227,
    Failure228 = 228,
    Failure229 = 229,
    Failure230 = 230,
    Failure231 = 231,
    Failure232 = 232,
    Failure233 = 233,
    Failure234 = 234,
    Failure235 = 235,
    Failure236 = 236,
    Failure237 = 237,
    Failure238 = 238,
    Failure239 = 239,
    Failure240 = 240,
    Failure241 = 241,
    Failure242 = 242,
    Failure243 = 243,
    Failure244 = 244,
    Failure245 = 245,
    Failure246 = 246,
    Failure247 = 247,
    Failure248 = 248,
    Failure249 = 249,
    Failure250 = 250,
    Failure251 = 251,
    Failure252 = 252,
    Failure253 = 253,
    Failure254 = 254,
    Failure255 = 255,
    Failure256 = 256,
    Failure257 = 257,
    Failure258 = 258,
    Failure259 = 259,
    Failure260 = 260,
    Failure261 = 261,
    Failure262 = 262,
    Failure263 = 263,
    Failure264 = 264,
    Failure265 = 265,
    Failure266 = 266,
    Failure267 = 267,
    Failure268 = 268,
    Failure269 = 269,
    Failure270 = 270,
    Failure271 = 271,
    Failure272 = 272,
    Failure273 = 273,
    Failure274 = 274,
    Failure275 = 275,
    Failure276 = 276,
    Failure277 = 277,
    Failure278 = 278,
    Failure279 = 279,
    Failure280 = 280,
    Failure281 = 281,
    Failure282 = 282,
    Failure283 = 283,
    Failure284 = 284,
    Failure285 = 285,
    Failure286 = 286,
    Failure287 = 287,
    Failure288 = 288,
    Failure289 = 289,
    Failure290 = 290,
    Failure291 = 291,
    Failure292 = 292,
    Failure293 = 293,
    Failure294 = 294,
    Failure295 = 295,
    Failure296 = 296,
    Failure297 = 297,
    Failure298 = 298,
    Failure299 = 299,
    Failure300 = 300,
    Failure301 = 301,
    Failure302 = 302,
    Failure303 = 303,
    Failure304 = 304,
    Failure305 = 305,
    Failure306 = 306,
    Failure307 = 307,
    Failure308 = 308,
    Failure309 = 309,
    Failure310 = 310,
    Failure311 = 311,
    Failure312 = 312,
    Failure313 = 313,
    Failure314 = 314,
    Failure315 = 315,
    Failure316 = 316,
    Failure317 = 317,
    Failure318 = 318,
    Failure319 = 319,
    Failure320 = 320,
    Failure321 = 321,
    Failure322 = 322,
    Failure323 = 323,
    Failure324 = 324,
    Failure325 = 325,
    Failure326 = 326,
    Failure327 = 327,
    Failure328 = 328,
    Failure329 = 329,
    Failure330 = 330,
    Failure331 = 331,
    Failure332 = 332,
    Failure333 = 333,
    Failure334 = 334,
};

/// Accessor of machine failures.
class Failures : public QObject
{
    Q_OBJECT

public:
    /// What a reset of failures achieved.
    enum ResetMessage : int32_t {
        /// No failure that the reset concerns was active.
        NothingToReset = 0,
        /// Every failure that the reset concerns was cleared.
        ResetDone = 1,
        /// Reserved by the interface layer; never reported by this machine.
        Reserved = 2,
        /// Some failures stay active.
        ResetIncomplete = 3,
    };
    Q_ENUM(ResetMessage)

    /// What a failure is; the flags come from the machine.
    struct FailureInfo
    {
        QString name;
        /// The name in the current interface language.
        std::vector<lea::Translation> translations;
        /// Stops dispensing while active.
        bool blocking = false;
        /// Cleared when the machine starts.
        bool resetAtStart = false;
        /// Shown to the customer while active.
        bool displayed = false;
        /// Written to the failure history.
        bool logged = false;
        /// Not known to this machine: always null.
        QDateTime dateTime;
    };

    /// A telemetry event about one failure.
    struct Notification
    {
        FailureId id = Failure0;
        FailureInfo info;
        /// Whether the event reports the failure as raised.
        bool raised = false;
        QString code;
        QString text;
    };

    /// One past occurrence of a failure.
    struct FailureHistory
    {
        FailureId id = Failure0;
        QDateTime raisedAt;
        /// Null while the failure is active.
        QDateTime clearedAt;
    };

    ~Failures() override = default;

    /// Every active failure, by identifier.
    virtual std::map<FailureId, FailureInfo> activeFailures() const = 0;
    /// Resets the active failures that the user may reset.
    virtual ResetMessage resetUserFailures() = 0;
    virtual ResetMessage resetAllFailures() = 0;
    /// Whether a cup turret can still drop cups.
    virtual bool anyCupsAvailable() const = 0;
    virtual bool isCloggedFilterFailureActive() const = 0;
    /// Not supported: the failure history is exported as text by the logs accessor.
    virtual std::vector<FailureHistory> failuresHistory() const = 0;
    virtual FailureInfo failureInfo(FailureId id) const = 0;
    virtual bool failureActive(FailureId id) const = 0;

signals:
    /// The list of active failures changed.
    void activeFailureChanged();
    /// A failure that affects the cups changed.
    void cupFailuresChanged();
    void cloggedFilterFailureChanged(bool active);
    void cupPositionOkChanged();
    /// A failure was raised, cleared or renamed.
    void failureActivityChanged(lea::maintenance::FailureId id);
    void telemetryNotification(lea::maintenance::Failures::Notification notification);

protected:
    explicit Failures(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
