//! c_w1 and c_world in Rust, for C callers. The three references may name overlapping
//! storage (a record's own field handed as i or d), which `&mut` may not: every access goes
//! through the raw pointers, in the order of the stores, so none can be reordered or merged.
#![no_std]
#![allow(non_camel_case_types)]

#[repr(C)]
pub struct c_record {
    c_i: i32,
    c_d: f64,
}

extern "C" {
    // The C library's own formatting gives %lf's rendering for every double. The format is
    // a C string's bytes and C's int is 32 bits on every target: core::ffi's c_char and
    // c_int are younger than Debian 12's rustc (1.63), which builds for the other targets.
    // On Windows it is MinGW's own printf, the one that the kit's C++ code prints with,
    // whatever msvcrt.dll's would make of a double.
    #[cfg_attr(windows, link_name = "__mingw_printf")]
    fn printf(format: *const u8, ...) -> i32;
}

#[no_mangle]
pub unsafe extern "C" fn c_world() {
    printf(b"\nHello World from C\n\0".as_ptr());
}

#[no_mangle]
pub unsafe extern "C" fn c_w1(i: *mut i32, d: *mut f64, r: *mut c_record) {
    printf(b"Now in function c_w1\n\0".as_ptr());
    printf(b"Hello again from C i = %i\n%lfXXX\n\0".as_ptr(), *i, *d);
    *i = 56;
    *d = 3.1415;
    printf(b"My record c_i = %i, c_d = %lf\n\0".as_ptr(), (*r).c_i, (*r).c_d);
    (*r).c_i = 42;
    (*r).c_d = 1.2345;
    printf(b"My record changed to c_i = %i, c_d = %lf\n\0".as_ptr(), (*r).c_i, (*r).c_d);
    printf(b"Leaving C\n\0".as_ptr());
}
