/* Preloaded into the kill driver: counts the calls that change files (writes, renames, links,
 * removals, truncations, syncs) once the driver has armed it, and stops the process with SIGKILL
 * just before the call number KILLSHIM_AT. With KILLSHIM_COUNT_FILE set instead, the number of
 * such calls is written to that file at exit, so a caller learns the range to pick from.
 * Writes to standard output and error are not counted. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

static int armed;
static long calls;
static long killAt = -1;

void killshim_arm(void)
{
    const char *at = getenv("KILLSHIM_AT");
    killAt = at ? atol(at) : -1;
    calls = 0;
    armed = 1;
}

static void tick(void)
{
    if (!armed)
        return;
    ++calls;
    if (killAt > 0 && calls >= killAt)
        raise(SIGKILL);
}

static void tickFd(int fd)
{
    if (fd > 2)
        tick();
}

__attribute__((destructor)) static void report(void)
{
    const char *path = getenv("KILLSHIM_COUNT_FILE");
    if (!path || !armed)
        return;
    FILE *f = fopen(path, "w");
    if (f) {
        fprintf(f, "%ld\n", calls);
        fclose(f);
    }
}

#define REAL(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

ssize_t write(int fd, const void *buf, size_t n)
{
    tickFd(fd);
    return REAL(write)(fd, buf, n);
}
ssize_t pwrite(int fd, const void *buf, size_t n, off_t off)
{
    tickFd(fd);
    return REAL(pwrite)(fd, buf, n, off);
}
ssize_t pwrite64(int fd, const void *buf, size_t n, off64_t off)
{
    tickFd(fd);
    return REAL(pwrite64)(fd, buf, n, off);
}
ssize_t writev(int fd, const struct iovec *iov, int count)
{
    tickFd(fd);
    return REAL(writev)(fd, iov, count);
}
ssize_t copy_file_range(int in, off64_t *inOff, int out, off64_t *outOff, size_t n, unsigned flags)
{
    tick();
    return REAL(copy_file_range)(in, inOff, out, outOff, n, flags);
}
int rename(const char *from, const char *to)
{
    tick();
    return REAL(rename)(from, to);
}
int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    tick();
    return REAL(renameat)(fromDir, from, toDir, to);
}
int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned flags)
{
    tick();
    return REAL(renameat2)(fromDir, from, toDir, to, flags);
}
int link(const char *from, const char *to)
{
    tick();
    return REAL(link)(from, to);
}
int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    tick();
    return REAL(linkat)(fromDir, from, toDir, to, flags);
}
int unlink(const char *path)
{
    tick();
    return REAL(unlink)(path);
}
int unlinkat(int dir, const char *path, int flags)
{
    tick();
    return REAL(unlinkat)(dir, path, flags);
}
int rmdir(const char *path)
{
    tick();
    return REAL(rmdir)(path);
}
int ftruncate(int fd, off_t length)
{
    tick();
    return REAL(ftruncate)(fd, length);
}
int ftruncate64(int fd, off64_t length)
{
    tick();
    return REAL(ftruncate64)(fd, length);
}
int fsync(int fd)
{
    tick();
    return REAL(fsync)(fd);
}
int fdatasync(int fd)
{
    tick();
    return REAL(fdatasync)(fd);
}
