#pragma once

#include <QMap>
#include <QString>

#include "SettingsStore.h"

namespace kestrel::test {

// A settings store in memory that counts its syncs and can be told to fail them.
class MemorySettingsStore final : public SettingsStore {
public:
    QString value(const QString& section, const QString& key) const override {
        return values_.value(section + u'/' + key);
    }
    void setValue(const QString& section, const QString& key, const QString& value) override {
        values_.insert(section + u'/' + key, value);
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

private:
    QMap<QString, QString> values_;
    bool writable_ = true;
    int syncs_ = 0;
};

}  // namespace kestrel::test
