# Wendral: `make test` sets up a fresh Debian 12 machine, builds everything and runs every
# test; `make run` builds and starts the program.

SHELL := /bin/bash
.DEFAULT_GOAL := test

ROOT := $(abspath .)
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Everything beyond git and make, from Debian's packages.
PACKAGES := g++ cmake locales \
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix binutils-mingw-w64-i686 \
  wine wine32:i386 xvfb xauth x11-utils imagemagick fonts-wqy-microhei \
  googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev

export WINEPREFIX := $(ROOT)/build/win32/wineprefix

.PHONY: test deps locales native sanitize win32 win32-test run bench fuzz clean

test: deps native sanitize win32-test

# Installs only what is missing, so a machine that has everything is asked nothing.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  dpkg --print-foreign-architectures | grep -qx i386 || $(SUDO) dpkg --add-architecture i386; \
	  $(SUDO) apt-get update -qq; \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
	@$(MAKE) --no-print-directory locales

# Wine takes its ANSI code page from the locale: zh_CN.UTF-8 gives code page 936.
locales:
	@for l in zh_CN en_US; do \
	  locale -a 2>/dev/null | grep -qix "$$l.utf8" || $(SUDO) localedef -i $$l -f UTF-8 $$l.UTF-8; \
	done

native:
	cmake --preset native
	cmake --build --preset native -j $(JOBS)
	ctest --preset native

sanitize:
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize

win32:
	cmake --preset win32
	cmake --build --preset win32 -j $(JOBS)

# The 32-bit Windows tests run under Wine on a virtual X display, with one wineserver kept
# alive for the whole run so that each program starts quickly.
win32-test: win32
	xvfb-run -a -s "-screen 0 1280x1024x24" cmake/wine-session ctest --preset win32

bench:
	@$(MAKE) --no-print-directory deps
	cmake --preset native
	cmake --build --preset native -j $(JOBS) --target wendral_bench
	build/native/bench/wendral_bench

clean:
	rm -rf build
