/*
 * The contract between Plexa and a user rule library.
 *
 * A rule library is a shared library placed in the folder UserDLLs/DLLs/ beside the program,
 * named after its rule ("Dave.so" on Linux, "Dave.dll" on Windows; on Linux Plexa accepts
 * either ending and matches the name and the ending without regard to letter case). Choosing
 * the game "User DLL" with the rule "Dave" loads it.
 *
 * Exports are looked up by their plain, undecorated names: declare them extern "C" when
 * building with a C++ compiler, and export them (on Windows with __declspec(dllexport) and
 * __stdcall; elsewhere the platform's C calling convention). Every argument and result is a
 * 32-bit signed integer or a pointer. This header holds declarations only: a library links
 * against nothing of Plexa.
 *
 *   CASetup   required (or CATest in its place); called once when the library is activated.
 *             *dimension arrives as 2: write 1 for a one-dimensional rule.
 *             *states arrives as the board's states count: write the rule's count, 2..25.
 *             palette and second point to zero-filled buffers of PLEXA_RULE_TEXT_SIZE bytes:
 *             write into palette the zero-terminated name of a colour palette to switch to,
 *             or leave it empty; second is not read. The result is ignored.
 *   CARule    two-dimensional rules: the next state of cell C from the cycle number (the
 *             generations since the board was cleared), i and j (the cell's column and row
 *             inside its 10x10 block, 0..9) and the states of the cell and its eight
 *             neighbours: nw, n, ne, w, c, e, sw, s, se (n is the cell above, w the cell to
 *             the left).
 *   CARule1D  one-dimensional rules: the next state of column x from the cycle number, x and
 *             the states of columns x-10 .. x+10 of the current row, in ascending order.
 *   CATest    called with 7 instead of CASetup when present; its result is the states count.
 *
 * States passed in are 0..24. Of a result Plexa keeps the low 8 bits and takes values above
 * 24 as 24. While the entry point that the rule's dimension needs is missing, every cell the
 * step computes becomes 0. Plexa calls a library from one thread, one call at a time.
 */
#ifndef PLEXA_RULE_H
#define PLEXA_RULE_H

#include <stdint.h>

#define PLEXA_RULE_TEXT_SIZE 256

#if defined(_WIN32)
#define PLEXA_RULE_CALL __stdcall
#define PLEXA_RULE_EXPORT __declspec(dllexport)
#else
#define PLEXA_RULE_CALL
#define PLEXA_RULE_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t(PLEXA_RULE_CALL* TCASetup)(int32_t* dimension, int32_t* states, char* palette,
                                             char* second);
typedef int32_t(PLEXA_RULE_CALL* TCARule)(int32_t cycle, int32_t i, int32_t j, int32_t nw,
                                            int32_t n, int32_t ne, int32_t w, int32_t c,
                                            int32_t e, int32_t sw, int32_t s, int32_t se);
typedef int32_t(PLEXA_RULE_CALL* TCARule1D)(
    int32_t cycle, int32_t x, int32_t s0, int32_t s1, int32_t s2, int32_t s3, int32_t s4,
    int32_t s5, int32_t s6, int32_t s7, int32_t s8, int32_t s9, int32_t s10, int32_t s11,
    int32_t s12, int32_t s13, int32_t s14, int32_t s15, int32_t s16, int32_t s17, int32_t s18,
    int32_t s19, int32_t s20);
typedef int32_t(PLEXA_RULE_CALL* TCATest)(int32_t value);

#ifdef __cplusplus
}
#endif

#endif /* PLEXA_RULE_H */
