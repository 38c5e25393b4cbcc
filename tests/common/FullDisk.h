#pragma once
// A disk that fills up, on demand and without privileges: `write` runs in a child process whose
// files cannot grow past `limit` bytes, so its writes fail as on a full disk ("File too large").

#include <csignal>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// What `write` (a callable returning a text) said in the child; empty when it said nothing.
template <class Write> std::string saidOnAFullDisk(rlim_t limit, Write write) {
    int said[2];
    if (::pipe(said) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(said[0]);
        std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of ending the child
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        const std::string text = write();
        (void)!::write(said[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(said[1]);
    std::string text;
    char buffer[256];
    for (ssize_t got; (got = ::read(said[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(said[0]);
    ::waitpid(child, nullptr, 0);
    return text;
}
