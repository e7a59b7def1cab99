//! c_w1 and c_world in Rust, for C callers. The three references may name overlapping
//! storage (a record's own field handed as i or d), which `&mut` may not: every access goes
//! through the raw pointers, in the order of the stores, so none can be reordered or merged.
#![no_std]
#![allow(non_camel_case_types)]

use core::ffi::{c_char, c_int};

#[repr(C)]
pub struct c_record {
    c_i: i32,
    c_d: f64,
}

extern "C" {
    // The C library's own formatting gives %lf's rendering for every double.
    fn printf(format: *const c_char, ...) -> c_int;
}

#[no_mangle]
pub unsafe extern "C" fn c_world() {
    printf(c"\nHello World from C\n".as_ptr());
}

#[no_mangle]
pub unsafe extern "C" fn c_w1(i: *mut i32, d: *mut f64, r: *mut c_record) {
    printf(c"Now in function c_w1\n".as_ptr());
    printf(c"Hello again from C i = %i\n%lfXXX\n".as_ptr(), *i, *d);
    *i = 56;
    *d = 3.1415;
    printf(c"My record c_i = %i, c_d = %lf\n".as_ptr(), (*r).c_i, (*r).c_d);
    (*r).c_i = 42;
    (*r).c_d = 1.2345;
    printf(c"My record changed to c_i = %i, c_d = %lf\n".as_ptr(), (*r).c_i, (*r).c_d);
    printf(c"Leaving C\n".as_ptr());
}
