//! Module Foo in Rust, on the kit's run-time. No standard library and no unwinding: the
//! module's object needs nothing of Rust's own at link time.
#![no_std]
#![allow(non_upper_case_globals)]

use core::ptr::addr_of;

#[repr(C)]
pub struct pascalrt_file {
    descriptor: i32,
}

extern "C" {
    static _p_Output: pascalrt_file;
    static mut _p_InOutRes: i32;
    // Declared variadic, as the run-time defines it: on x86-64 the call then tells the
    // callee in %al how many vector registers carry arguments. The text goes as its bytes'
    // address: core::ffi's c_char is younger than Debian 12's rustc (1.63), which builds
    // for the other targets.
    fn _p_Internal_Write(file: *const pascalrt_file, flags: i32, count: i32, ...);
    fn _p_CheckInOutRes();
}

const WRITE_PLAIN: i32 = 784;
const ITEM_TEXT: i32 = 17;
const ITEM_LINE_END: i32 = 22;

#[no_mangle]
pub static mut I: i32 = 0;

static mut INITIALISED: u8 = 0;

static HELLO_WORLD: &[u8] = b"Hello world in Pascal\0";
static HELLO1: &[u8] = b"Hello1\0";

// text ends in its zero byte, which the length leaves out.
unsafe fn write_line(text: &[u8]) {
    _p_Internal_Write(addr_of!(_p_Output), WRITE_PLAIN, 2, ITEM_TEXT,
                      text.as_ptr(), (text.len() - 1) as i32, ITEM_LINE_END);
    if addr_of!(_p_InOutRes).read() != 0 {
        _p_CheckInOutRes();
    }
}

#[no_mangle]
pub unsafe extern "C" fn Helloworld() {
    write_line(HELLO_WORLD);
}

#[no_mangle]
pub unsafe extern "C" fn Hello(x: *mut i32) {
    write_line(HELLO1);
    *x = 99;
}

#[no_mangle]
pub unsafe extern "C" fn init_Foo() {
    if INITIALISED == 0 {
        INITIALISED = 1;
    }
}
