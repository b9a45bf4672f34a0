#pragma once

#include <sys/types.h>
#include <vector>

namespace norvane {

// Who a process runs as: its effective user and every group it belongs to.
struct User {
    uid_t uid;
    std::vector<gid_t> groups;
};

// True when the permission bits of a file owned by `owner`:`group` let `user` write it: the owner
// bits for its owner, the group bits for a member of its group, the others' bits otherwise.
// The superuser is judged by the same bits, so a read-only file stays read-only for everyone.
bool mayWrite(mode_t mode, uid_t owner, gid_t group, const User& user);

// The user this process runs as.
User currentUser();

} // namespace norvane
