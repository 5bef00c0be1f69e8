#include "platform/QSettingsProfileStore.h"

#include <QFile>
#include <QStandardPaths>

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr const char* kNoSettings = "it does not hold settings Quadrillo can read";
// Four numbers need a few dozen bytes; a file far larger is something else.
constexpr std::uint64_t kLargestFile = 64 * 1024;

// Text the INI reader takes in as it stands: UTF-8 without NUL bytes.
bool IsSettingsText(const QByteArray& bytes) {
    if (bytes.size() > qsizetype(kLargestFile) || bytes.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

} // namespace

QSettingsProfileStore::QSettingsProfileStore(const QString& organisation,
                                             const QString& application)
    : file_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
            organisation + '/' + application + QStringLiteral(".conf")) {
    // Looked at first: QSettings would wait on a pipe, and rewrite a file it
    // made no sense of.
    if (QFileInfo::exists(file_)) {
        try {
            InputFile in(QFile::encodeName(file_).toStdString());
            QByteArray text(qsizetype(std::min<std::uint64_t>(in.Size(), kLargestFile + 1)),
                            Qt::Uninitialized);
            text.resize(qsizetype(in.Read(text.data(), std::size_t(text.size()))));
            if (!IsSettingsText(text))
                Fault(FileError::Operation::Read, kNoSettings);
        } catch (const FileError& error) {
            Fault(FileError::Operation::Read, error.Reason().c_str());
        }
    }
    if (!fault_) {
        settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
        if (settings_->status() == QSettings::AccessError)
            Fault(FileError::Operation::Read, "it cannot be read");
        else if (settings_->status() == QSettings::FormatError)
            Fault(FileError::Operation::Read, kNoSettings);
    }
    if (fault_)
        settings_.reset();
}

std::int32_t QSettingsProfileStore::GetProfileInt(const QString& section, const QString& entry,
                                                  std::int32_t fallback) {
    const QString key = section + '/' + entry;
    if (!settings_)
        return memory_.value(key, fallback);
    const QVariant value = settings_->value(key);
    if (!value.isValid())
        return fallback;
    bool number = false;
    const qlonglong read = value.toString().trimmed().toLongLong(&number);
    // Stored as 32 bits: 4294967295 is -1, and anything wider is no value.
    if (!number || read < INT32_MIN || read > qlonglong(UINT32_MAX))
        return fallback;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(read));
}

void QSettingsProfileStore::WriteProfileInt(const QString& section, const QString& entry,
                                            std::int32_t value) {
    const QString key = section + '/' + entry;
    if (!settings_) {
        memory_[key] = value;
        return;
    }
    settings_->setValue(key, value);
    settings_->sync();
    // Told once: the values stay in memory for as long as the game runs.
    if (settings_->status() == QSettings::AccessError && !writeFaultTold_) {
        writeFaultTold_ = true;
        Fault(FileError::Operation::Write, "it cannot be written");
    }
}

std::optional<FileError> QSettingsProfileStore::TakeFault() {
    std::optional<FileError> fault = std::move(fault_);
    fault_.reset();
    return fault;
}

void QSettingsProfileStore::Fault(FileError::Operation operation, const char* reason) {
    if (!fault_)
        fault_.emplace(operation, QFile::encodeName(file_).toStdString(), reason);
}
