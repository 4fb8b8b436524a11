#include "childprocess.h"

#include "processclock.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

ChildRun runChild(const QByteArray &program, const QList<QByteArray> &arguments, const QByteArray &errorLog)
{
    ChildRun run;
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorLog.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    QList<QByteArray> words { program };
    words += arguments;
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    run.startedAt = monotonicNanoseconds();
    const int spawned = posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (spawned != 0) {
        ::close(output[0]);
        return run;
    }

    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(output[0], buffer, sizeof buffer);
        if (count > 0)
            run.output.append(buffer, count);
        else if (count == 0 || errno != EINTR)
            break;
    }
    ::close(output[0]);

    int status = 0;
    rusage usage {};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            return run;
    }
    run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.peakMemoryKb = usage.ru_maxrss;
    return run;
}
