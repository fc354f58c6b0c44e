#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include "SettingsStore.h"

namespace kestrel::test {

// A settings store in memory that records the order of its writes, counts its syncs and can be
// told to fail them. A real file sorts its keys, so only this store shows the order.
class MemorySettingsStore final : public SettingsStore {
public:
    QString value(const QString& section, const QString& key) const override {
        return values_.value(section + u'/' + key);
    }
    void setValue(const QString& section, const QString& key, const QString& value) override {
        values_.insert(section + u'/' + key, value);
        writes_.append(section + u'/' + key);
    }
    bool sync() override {
        ++syncs_;
        return writable_;
    }

    bool contains(const QString& section, const QString& key) const {
        return values_.contains(section + u'/' + key);
    }
    void setWritable(bool writable) { writable_ = writable; }
    int syncCount() const { return syncs_; }
    // "section/key" of every write so far, in the order they came.
    const QStringList& writes() const { return writes_; }

private:
    QMap<QString, QString> values_;
    QStringList writes_;
    bool writable_ = true;
    int syncs_ = 0;
};

}  // namespace kestrel::test
