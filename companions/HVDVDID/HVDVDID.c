/* HVDVDID MOUNTPOINT: prints the DVD's identifier on standard output, nothing else.
 *
 * The identifier is libdvdread's disc id (an MD5 over the disc's IFO files) written as URL-safe
 * base64 without padding: 22 characters. The caller keeps at most 31 bytes of the output, so the
 * 32-digit hexadecimal form would lose its last digit; this form keeps all 128 bits. No newline
 * follows, because the caller takes the output whole.
 *
 * Exit status 0 with the identifier, 1 when the source cannot be read as a DVD, 2 on bad usage. */
#include <dvdread/dvd_reader.h>

#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

static void encodeBase64Url(const unsigned char *in, size_t length, char *out)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    size_t o = 0;
    for (size_t i = 0; i < length; i += 3) {
        unsigned v = (unsigned)in[i] << 16;
        size_t n = length - i;
        if (n > 1) v |= (unsigned)in[i + 1] << 8;
        if (n > 2) v |= in[i + 2];
        out[o++] = alphabet[(v >> 18) & 63];
        out[o++] = alphabet[(v >> 12) & 63];
        if (n > 1) out[o++] = alphabet[(v >> 6) & 63];
        if (n > 2) out[o++] = alphabet[v & 63];
    }
    out[o] = '\0';
}

int main(int argc, char **argv)
{
    if (argc != 2 || argv[1][0] == '\0') {
        fprintf(stderr, "usage: HVDVDID MOUNTPOINT\n");
        return 2;
    }
    /* libdvdread prints its notices (the missing CSS library banner among them) on standard
     * output, which is the identifier's channel: send them to standard error while it works. */
    fflush(stdout);
    int savedStdout = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
    if (savedStdout < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        fprintf(stderr, "HVDVDID: cannot set up the output\n");
        return 1;
    }
    dvd_reader_t *dvd = DVDOpen(argv[1]);
    unsigned char id[16];
    int status = dvd ? DVDDiscID(dvd, id) : -1;
    if (dvd)
        DVDClose(dvd);
    fflush(stdout);
    dup2(savedStdout, STDOUT_FILENO);
    close(savedStdout);
    if (!dvd) {
        fprintf(stderr, "HVDVDID: cannot open %s as a DVD\n", argv[1]);
        return 1;
    }
    if (status != 0) {
        fprintf(stderr, "HVDVDID: cannot read the disc id of %s\n", argv[1]);
        return 1;
    }
    char text[32];
    encodeBase64Url(id, sizeof id, text);
    fputs(text, stdout);
    return fflush(stdout) == 0 ? 0 : 1;
}
