// The POSIX build carries its resources in a table filled at start-up.
#include "platform/resources.h"

#include <map>
#include <utility>

namespace zorn::platform {
namespace {

using TKey = std::pair<std::string, int>;

// Resource names compare without case, as FindResourceA does.
std::string Upper(const std::string& s) {
  std::string r = s;
  for (char& c : r) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return r;
}

std::map<TKey, TResourceBytes>& Table() {
  static std::map<TKey, TResourceBytes> table;
  return table;
}

}  // namespace

TResourceBytes FindResource(const std::string& name, int type) {
  auto it = Table().find({Upper(name), type});
  return it == Table().end() ? TResourceBytes{} : it->second;
}

void RegisterEmbeddedResource(const std::string& name, int type, const uint8_t* data, size_t size) {
  Table()[{Upper(name), type}] = TResourceBytes{data, size};
}

}  // namespace zorn::platform
