#include "theme/Feedback.hpp"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>
#include <optional>

#include "rules/LastActionType.hpp"
#include "rules/PlayerAction.hpp"
#include "store/SettingsStore.hpp"
#include "theme/Resources.hpp"

Q_LOGGING_CATEGORY(lcFeedback, "feedback")

namespace pellox::app {
namespace {

QString fileName(Feedback::Sfx sound) {
    return QString::fromLatin1(rawValue(sound)) + QStringLiteral(".wav");
}

QString pathOf(const QString& root, Feedback::Sfx sound) {
    return root + QLatin1Char('/') + fileName(sound);
}

QUrl urlOf(const QString& path) {
    if (path.startsWith(QLatin1Char(':'))) return QUrl(QStringLiteral("qrc") + path);
    return QUrl::fromLocalFile(path);
}

quint32 le32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(bytes.constData() + at));
}

quint16 le16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(bytes.constData() + at));
}

// The sound player decodes asynchronously and reports a bad file only later, so the file is checked here
// first: a RIFF/WAVE file with a PCM (8 to 32 bits) or 32-bit float format chunk and a non-empty data chunk.
// Returns the reason it cannot be played, or none.
std::optional<QString> wavProblem(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return QStringLiteral("not a RIFF/WAVE file");
    }
    bool formatOk = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (size > static_cast<quint64>(bytes.size() - body))
            return QStringLiteral("truncated %1 chunk").arg(QString::fromLatin1(id));
        if (id == "fmt ") {
            if (size < 16) return QStringLiteral("format chunk too short");
            const quint16 format = le16(bytes, body);
            const quint16 channels = le16(bytes, body + 2);
            const quint16 bits = le16(bytes, body + 14);
            const bool pcm =
                (format == 1 || format == 0xFFFE) && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
            const bool floats = format == 3 && bits == 32;
            if (channels == 0 || !(pcm || floats)) return QStringLiteral("unsupported sample format");
            formatOk = true;
        } else if (id == "data") {
            if (!formatOk) return QStringLiteral("data before the format chunk");
            if (size == 0) return QStringLiteral("no samples");
            return std::nullopt;
        }
        at = body + size + (size & 1);
    }
    return QStringLiteral("no data chunk");
}

}  // namespace

Feedback::Feedback(SettingsStore& settings, QString resourceRoot, QObject* parent)
    : QObject(parent), settings_(settings), resourceRoot_(std::move(resourceRoot)) {
    registerResources();
}

Feedback::~Feedback() = default;

QSoundEffect* Feedback::player(Sfx sound) {
    if (auto found = players_.find(sound); found != players_.end()) return found->second;
    return load(sound);
}

QSoundEffect* Feedback::load(Sfx sound) {
    const QString path = pathOf(resourceRoot_, sound);
    const QByteArray raw = QByteArray(rawValue(sound).data(), static_cast<qsizetype>(rawValue(sound).size()));
    QFile file(path);
    if (!file.exists()) {
        qCCritical(lcFeedback, "Missing sound resource %s.wav", raw.constData());
        return nullptr;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCCritical(lcFeedback, "Could not load %s.wav: %s", raw.constData(),
                   qUtf8Printable(file.errorString()));
        return nullptr;
    }
    if (const auto problem = wavProblem(file.readAll())) {
        qCCritical(lcFeedback, "Could not load %s.wav: %s", raw.constData(), qUtf8Printable(*problem));
        return nullptr;
    }
    auto* effect = new QSoundEffect(this);
    effect->setSource(urlOf(path));
    // A file that passed the check can still fail to decode; that failure arrives later.
    connect(effect, &QSoundEffect::statusChanged, this, [this, sound, effect, raw] {
        if (effect->status() != QSoundEffect::Error) return;
        qCCritical(lcFeedback, "Could not load %s.wav: %s", raw.constData(), "decoding failed");
        forget(sound, effect);
    });
    players_.emplace(sound, effect);
    return effect;
}

void Feedback::forget(Sfx sound, QSoundEffect* effect) {
    if (auto found = players_.find(sound); found != players_.end() && found->second == effect)
        players_.erase(found);
    effect->deleteLater();
}

void Feedback::play(Sfx sound) {
    if (!settings_.soundEnabled.get()) return;
    sessionConfigured_ = true;
    QSoundEffect* effect = player(sound);
    if (!effect) return;
    // play() leaves a sound that is already playing alone; stopping first restarts it from the beginning.
    effect->stop();
    effect->play();
}

void Feedback::actionTaken(LastActionType type) {
    if (type == LastActionType::fold) play(Sfx::fold);
}

void Feedback::actionTaken(const PlayerAction& action) {
    if (action.type == PlayerActionType::fold) play(Sfx::fold);
}

}  // namespace pellox::app
