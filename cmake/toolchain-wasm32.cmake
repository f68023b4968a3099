# WebAssembly (wasm32) with Debian's clang 14, lld and wasi-libc: the C API as
# one module for browsers and Node (bindings/javascript). No operating system
# is assumed beyond the few WASI imports the JavaScript side provides.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# The module is linked without a program's start files; test programs need
# not link.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
