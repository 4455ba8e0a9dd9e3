#include "files/ExtendedAttributes.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <sys/xattr.h>

namespace {

constexpr std::string_view Capabilities = "security.capability";

bool GovernsAccess(std::string_view name) {
    return name.starts_with("system.");
}

// The whole of a list or a value, asked for again while it grows between the two calls.
template <class Call> bool ReadSized(std::string& into, Call call) {
    for (;;) {
        const ssize_t size = call(nullptr, 0);
        if (size < 0)
            return false;
        into.resize(static_cast<std::size_t>(size));
        const ssize_t got = call(into.data(), into.size());
        if (got >= 0) {
            into.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
}

bool CopyAttribute(int from, int to, const std::string& name) {
    std::string value;
    const bool copied = ReadSized(value,
                                  [&](char* buffer, std::size_t size) {
                                      return ::fgetxattr(from, name.c_str(), buffer, size);
                                  }) &&
                        ::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) == 0;
    return copied || !GovernsAccess(name);
}

} // namespace

bool CopyExtendedAttributes(int from, int to) {
    std::string names;
    if (!ReadSized(names, [&](char* buffer, std::size_t size) {
            return ::flistxattr(from, buffer, size);
        }))
        return errno == ENOTSUP; // a file system without attributes has no list to keep
    for (std::size_t start = 0; start < names.size();) {
        const std::size_t end = names.find('\0', start);
        const std::string name = names.substr(start, end - start);
        start = end == std::string::npos ? names.size() : end + 1;
        if (name != Capabilities && !CopyAttribute(from, to, name))
            return false;
    }
    return true;
}
