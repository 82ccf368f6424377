# Sourced by the build scripts: configures a build folder with Ninja and ccache.
# ccache keys its objects on paths relative to the source folder and not on the
# build folder, so that another clone on the same machine reuses them.

# tavelin_configure BUILD_DIR [CMAKE OPTIONS...]
tavelin_configure() {
  local build="$1"
  shift
  # A folder configured earlier with another generator cannot be reused as is.
  if [ -f "$build/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$build/CMakeCache.txt"; then
    rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
  fi
  cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER_LAUNCHER="env;CCACHE_BASEDIR=$root;CCACHE_NOHASHDIR=true;CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime;ccache" \
    "$@" > /dev/null
}
