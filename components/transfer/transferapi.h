#pragma once

/* The transfer module's C entry points. The program loads the module (MSINET.OCX) from its
 * folder and resolves these by name, so the names and signatures are its ABI.
 *
 *   char* transfer_fetch_text(urlUtf8, timeLimitMs, sizeCap, lengthOut)
 *        One synchronous GET of urlUtf8, redirects followed (at most 20). Returns the whole body
 *        decoded from GB18030 as UTF-8 text (NUL-terminated; *lengthOut holds its length in
 *        bytes, which also covers NUL characters inside the body), whatever the HTTP status: a
 *        server's error page is a body too. A null pointer when no body came back: no
 *        connection, too many redirects, more than timeLimitMs in all, an empty body, or a body
 *        larger than sizeCap bytes. Needs a QCoreApplication; runs a local event loop meanwhile.
 *   void transfer_free_text(text)
 *        Gives back what transfer_fetch_text returned.
 */

#ifdef __cplusplus
extern "C" {
#endif

typedef char* (*TransferFetchTextFn)(const char* urlUtf8, int timeLimitMs, int sizeCap,
                                     int* lengthOut);
typedef void (*TransferFreeTextFn)(char* text);

#ifdef __cplusplus
}
#endif
