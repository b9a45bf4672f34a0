#include "WritePermission.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace norvane {

bool mayWrite(mode_t mode, uid_t owner, gid_t group, const User& user) {
    if (user.uid == owner)
        return (mode & S_IWUSR) != 0;
    if (std::find(user.groups.begin(), user.groups.end(), group) != user.groups.end())
        return (mode & S_IWGRP) != 0;
    return (mode & S_IWOTH) != 0;
}

User currentUser() {
    User user{::geteuid(), {::getegid()}};
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> more(static_cast<std::size_t>(count));
        const int got = ::getgroups(count, more.data());
        more.resize(static_cast<std::size_t>(std::max(got, 0)));
        user.groups.insert(user.groups.end(), more.begin(), more.end());
    }
    return user;
}

} // namespace norvane
