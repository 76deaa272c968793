#pragma once
// The C library's environment block, as setenv and unsetenv keep it: read
// to copy the caller's environment, or handed to posix_spawn so a program
// inherits it. Declared here once; the C library's headers declare it only
// under _GNU_SOURCE.
extern "C" char** environ;
