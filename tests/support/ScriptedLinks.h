#pragma once

#include <vector>

#include "LinkOpener.h"

namespace kestrel::test {

// A link opener that records the addresses and answers as told.
class ScriptedLinks final : public LinkOpener {
public:
    LinkResult open(const QUrl& address) override {
        opened.push_back(address);
        return answer;
    }
    std::vector<QUrl> opened;
    LinkResult answer{true, {}};
};

}  // namespace kestrel::test
