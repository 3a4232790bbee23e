// Preloaded into the test's sshd: every account's shadow entry carries the password hash in
// MARKVALE_TEST_SHADOW, so password logins can be tested without knowing or changing a real
// password, as root or not.
#include <shadow.h>

#include <cstdlib>

extern "C" struct spwd *getspnam(const char *name)
{
    static struct spwd entry;
    const char *hash = std::getenv("MARKVALE_TEST_SHADOW");
    if (!hash)
        return nullptr;
    entry = {};
    entry.sp_namp = const_cast<char *>(name);
    entry.sp_pwdp = const_cast<char *>(hash);
    entry.sp_lstchg = -1;
    entry.sp_min = -1;
    entry.sp_max = -1;
    entry.sp_warn = -1;
    entry.sp_inact = -1;
    entry.sp_expire = -1;
    entry.sp_flag = ~0UL;
    return &entry;
}
