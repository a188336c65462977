/* HVPlayer: the player executable of the program. It runs /usr/bin/mplayer with the arguments it
 * was given, without the user's mplayer configuration (which a first run of mplayer creates and
 * which could change what a dump or a preview does). It replaces itself with mplayer, so the
 * caller's process id, signals and exit status are mplayer's own. */
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#define MPLAYER_PATH "/usr/bin/mplayer"

int main(int argc, char *argv[])
{
    char **args = calloc((size_t)argc + 3, sizeof(char *));
    if (!args) {
        fprintf(stderr, "HVPlayer: out of memory\n");
        return 127;
    }
    args[0] = "mplayer";
    args[1] = "-noconfig";
    args[2] = "all";
    for (int i = 1; i < argc; ++i)
        args[i + 2] = argv[i];
    args[argc + 2] = NULL;
    execv(MPLAYER_PATH, args);
    fprintf(stderr, "HVPlayer: cannot run %s: %s\n", MPLAYER_PATH, strerror(errno));
    free(args);
    return 127;
}
