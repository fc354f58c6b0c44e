#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

#include "SettingsStore.h"

namespace kestrel::test {

// A settings store in memory that records the order of its writes, counts its syncs and can be
// told to fail reads and syncs the way the file store does. A real file sorts its keys, so only
// this store shows the order of the writes.
class MemorySettingsStore final : public SettingsStore {
public:
    static inline const QString kFile = QStringLiteral("/memory/kestrelslot.conf");

    QString value(const QString& section, const QString& key) const override {
        return values_.value(section + u'/' + key);
    }
    void setValue(const QString& section, const QString& key, const QString& value) override {
        values_.insert(section + u'/' + key, value);
        writes_.append(section + u'/' + key);
    }
    bool sync() override {
        ++syncs_;
        if (readFailure_) {
            problem_ = StoreProblem::keptUnread(kFile, *readFailure_);
        } else if (writeFailure_) {
            problem_ = StoreProblem{kFile, *writeFailure_, true};
        } else {
            problem_.reset();
        }
        return !problem_;
    }
    std::optional<StoreProblem> lastProblem() const override { return problem_; }
    // Said as the file store says it, which keeps a copy of the file as it was.
    void keepAsFound(const QString& what) const override {
        problem_ = StoreProblem{
            kFile, what + QStringLiteral(", so the file as it was is kept as ") + kDamagedCopy,
            false, true};
    }
    static inline const QString kDamagedCopy = kFile + QStringLiteral(".damaged");

    bool contains(const QString& section, const QString& key) const {
        return values_.contains(section + u'/' + key);
    }
    // Syncs fail for `reason` from now on, or succeed again when it is empty.
    void failWrites(const QString& reason) {
        writeFailure_ = reason.isEmpty() ? std::nullopt : std::optional(reason);
    }
    void setWritable(bool writable) { failWrites(writable ? QString() : "the disk is full"); }
    // The file could not be read: what was stored is gone from view, the problem stands, and
    // every later sync fails, as the file store keeps an unreadable file for the session.
    void failReads(const QString& reason) {
        values_.clear();
        readFailure_ = reason;
        problem_ = StoreProblem{kFile, reason, false};
    }
    int syncCount() const { return syncs_; }
    // "section/key" of every write so far, in the order they came.
    const QStringList& writes() const { return writes_; }

private:
    QMap<QString, QString> values_;
    QStringList writes_;
    std::optional<QString> writeFailure_;
    std::optional<QString> readFailure_;
    mutable std::optional<StoreProblem> problem_;
    int syncs_ = 0;
};

}  // namespace kestrel::test
