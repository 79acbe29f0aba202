; Makes WebAssembly exceptions work on threads with this Emscripten's compiler (clang 14).
;
; A catch block asks the personality routine whether it takes the exception through a small record,
; __wasm_lpad_context: the catch block writes which handler it is, the routine writes its answer.
; The unwinder defines the record per thread (thread_local), but clang 14 writes and reads it as an
; ordinary global, at the wrong address and shared by every thread, so no catch block ever matches
; and every exception ends the program. Later compilers declare the record thread_local.
;
; Linked into every translation unit before code generation (-Xclang -mlink-bitcode-file), this
; declaration is the one the compiler then finds and uses, so the catch blocks reach each thread's
; own record. The type must be exactly the compiler's own: { i32 lpad_index, i8* lsda, i32 selector }.
target datalayout = "e-m:e-p:32:32-p10:8:8-p20:8:8-i64:64-f128:64-n32:64-S128-ni:1:10:20"
target triple = "wasm32-unknown-emscripten"

@__wasm_lpad_context = external thread_local global { i32, i8*, i32 }

; Keeps the declaration in the module; the linker keeps one copy of this function.
define weak hidden i8* @__dulm_lpad_context_address() {
  ret i8* bitcast ({ i32, i8*, i32 }* @__wasm_lpad_context to i8*)
}
