#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <ostream>
#include <string>

#include "QSettingsStore.h"
#include "QStringPrinter.h"

namespace kestrel {

inline void PrintTo(const StoreProblem& problem, std::ostream* out) {
    *out << (problem.whileWriting ? "save " : "read ") << problem.file.toStdString() << ": "
         << problem.reason.toStdString();
}

namespace test {

// A records file in a fresh folder, with helpers to look at what the store left there.
class StoreFileFixture : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("kestrelslot.conf"); }
    static void writeFile(const QString& file, const QByteArray& bytes) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }
    void writeFile(const QByteArray& bytes) const { writeFile(path(), bytes); }
    static QByteArray contentOf(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    QByteArray fileContent() const { return contentOf(path()); }
    QStringList filesInFolder() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    }

    // A sync whose report on standard error is kept in `report`.
    static bool syncQuietly(QSettingsStore& store, std::string& report) {
        ::testing::internal::CaptureStderr();
        const bool synced = store.sync();
        report = ::testing::internal::GetCapturedStderr();
        return synced;
    }
    static bool syncQuietly(QSettingsStore& store) {
        std::string report;
        return syncQuietly(store, report);
    }

    QTemporaryDir dir;
};

}  // namespace test
}  // namespace kestrel
