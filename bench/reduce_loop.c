/* SPDX-License-Identifier: GPL-3.0-or-later
 * Times RdctJPEG.so alone: loads it by path as the program does and reduces
 * every file on THREADS threads, handing files out in order.
 *
 *   cc -O2 -o reduce_loop reduce_loop.c -ldl -lpthread
 *   reduce_loop LIBRARY DENOMINATOR THREADS OUTDIR FILE...
 *
 * Prints "<images> <seconds> <images per second> <failures>". */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <pthread.h>
#include <stdatomic.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

typedef int (*reduce_fn)(const char *, const char *, int, const char *);

struct run
{
    reduce_fn reduce;
    int denominator;
    const char *outdir;
    char **files;
    int count;
    atomic_int next;
    atomic_int failures;
};

static void *worker(void *arg)
{
    struct run *run = arg;
    char out[4096];
    for (int i; (i = atomic_fetch_add(&run->next, 1)) < run->count;) {
        const char *slash = strrchr(run->files[i], '/');
        snprintf(out, sizeof out, "%s/s_%s", run->outdir, slash ? slash + 1 : run->files[i]);
        if (run->reduce(run->files[i], out, run->denominator, "RDCTJ:Q080") != 0)
            atomic_fetch_add(&run->failures, 1);
    }
    return NULL;
}

int main(int argc, char **argv)
{
    if (argc < 6) {
        fprintf(stderr, "usage: %s LIBRARY DENOMINATOR THREADS OUTDIR FILE...\n", argv[0]);
        return 2;
    }
    void *library = dlopen(argv[1], RTLD_NOW);
    reduce_fn reduce = library ? (reduce_fn)dlsym(library, "ReductJPEGFile") : NULL;
    if (!reduce) {
        fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    struct run run = {reduce, atoi(argv[2]), argv[4], argv + 5, argc - 5, 0, 0};
    int threads = atoi(argv[3]);
    if (threads < 1 || threads > 64)
        threads = 1;
    pthread_t ids[64];
    struct timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (int t = 0; t < threads; ++t)
        pthread_create(&ids[t], NULL, worker, &run);
    for (int t = 0; t < threads; ++t)
        pthread_join(ids[t], NULL);
    clock_gettime(CLOCK_MONOTONIC, &end);
    double seconds = (double)(end.tv_sec - start.tv_sec) + (double)(end.tv_nsec - start.tv_nsec) / 1e9;
    printf("%d %.3f %.2f %d\n", run.count, seconds, run.count / seconds, (int)run.failures);
    return run.failures ? 1 : 0;
}
