/* The names the runtime defines. In the exe they are the C library's own (memcpy, malloc, ...);
   the tests build the same sources with CORVANE_CRT_UNDER_TEST, which prefixes every name with
   crt_, so that the host's library and the code under test live side by side. */
#ifndef CORVANE_CRT_NAMES_H
#define CORVANE_CRT_NAMES_H

#include <stddef.h>

#ifdef CORVANE_CRT_UNDER_TEST
#define CRT(name) crt_##name
#else
#define CRT(name) name
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* memory.c */
void* CRT(memcpy)(void* to, const void* from, size_t size);
void* CRT(memmove)(void* to, const void* from, size_t size);
void* CRT(memset)(void* to, int byte, size_t size);
int CRT(memcmp)(const void* a, const void* b, size_t size);
void* CRT(memchr)(const void* bytes, int byte, size_t size);
size_t CRT(strlen)(const char* text);
int CRT(strcmp)(const char* a, const char* b);
int CRT(strncmp)(const char* a, const char* b, size_t size);
char* CRT(strncpy)(char* to, const char* from, size_t size);

/* number.c */
long CRT(strtol)(const char* text, char** end, int base);
#ifdef CORVANE_CRT_UNDER_TEST
int* CRT(_errno)(void); /* in the exe, <errno.h> declares it */
#endif

/* heap.c (Windows) */
void* CRT(malloc)(size_t size);
void* CRT(calloc)(size_t count, size_t size);
void* CRT(realloc)(void* block, size_t size);
void CRT(free)(void* block);

/* exit.c (Windows) */
int CRT(atexit)(void (*function)(void));
void crt_run_exit_functions(void);

/* start.c (Windows) */
typedef void (*crt_function)(void);
const char* crt_arguments_after_program(const char* commandLine);
void crt_construct_statics(crt_function* list);
void crt_destroy_statics(crt_function* list);

#ifdef __cplusplus
}
#endif

#endif
