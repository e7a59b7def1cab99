//! The kit from Rust: c_w1 by reference through raw pointers, a #[repr(C)] record, and
//! module Foo on the run-time, its variable I as an extern static.
#![allow(non_snake_case, non_upper_case_globals)]

use std::ffi::CString;
use std::os::raw::{c_char, c_int, c_void};
use std::io::Write;
use std::ptr::{addr_of, addr_of_mut};

#[repr(C)]
struct CRecord {
    c_i: i32,
    c_d: f64,
}

#[link(name = "refdemo")]
extern "C" {
    fn c_world();
    fn c_w1(i: *mut i32, d: *mut f64, r: *mut CRecord);
}

// Module Foo and the run-time from their shared libraries, which another build of them
// (another language's) can stand in for at run time; a Windows program takes their archives.
#[cfg_attr(not(windows), link(name = "greetmod"))]
#[cfg_attr(windows, link(name = "greetmod", kind = "static"))]
extern "C" {
    static mut I: i32;
    fn init_Foo();
    fn Helloworld();
    fn Hello(x: *mut i32);
}

#[cfg_attr(not(windows), link(name = "pascalrt"))]
#[cfg_attr(windows, link(name = "pascalrt", kind = "static"))]
extern "C" {
    fn _p_initialize(argc: i32, argv: *const *const c_char, envp: *const *const c_char);
    fn _p_finalize();
}

extern "C" {
    fn fflush(stream: *mut c_void) -> c_int;
}

// A failed write of standard output, in one line as the kit's run-time says it (println!
// would panic); what the buffers still hold is dropped, not written again at exit.
fn write_failed(error: std::io::Error) -> ! {
    eprintln!("caller: write error: {}", error);
    std::process::exit(1);
}

// Rust's stdout writes each line at once; the kit's lines wait in the C library's stdout
// buffer until it is flushed, which must happen before Rust writes again.
fn kit_done() {
    if unsafe { fflush(std::ptr::null_mut()) } != 0 {
        write_failed(std::io::Error::last_os_error());
    }
}

macro_rules! say {
    ($($arg:tt)*) => {
        if let Err(error) = writeln!(std::io::stdout(), $($arg)*) {
            write_failed(error);
        }
    };
}

fn rust_done() {
    if let Err(error) = std::io::stdout().flush() {
        write_failed(error);
    }
}

fn main() {
    // The run-time keeps the argument vector it is handed, so it lives as long as main.
    let args: Vec<CString> = std::env::args().map(|a| CString::new(a).unwrap()).collect();
    let mut argv: Vec<*const c_char> = args.iter().map(|a| a.as_ptr()).collect();
    argv.push(std::ptr::null());
    let envp: [*const c_char; 1] = [std::ptr::null()];

    let mut int_value: i32 = 3;
    let mut real_value: f64 = 7.23;
    let mut rec = CRecord { c_i: 21, c_d: 87.234 };
    let mut x: i32 = 0;
    let (i_before, i_after);
    unsafe {
        _p_initialize(args.len() as i32, argv.as_ptr(), envp.as_ptr());
        c_world();
        c_w1(&mut int_value, &mut real_value, &mut rec);
        kit_done();
        say!("left behind: {} {:.4} {} {:.4}", int_value, real_value, rec.c_i, rec.c_d);

        init_Foo();
        init_Foo();
        i_before = *addr_of!(I);
        say!("I before: {}", i_before);
        rust_done();
        Helloworld();
        Hello(&mut x);
        Hello(addr_of_mut!(I));
        kit_done();
        i_after = *addr_of!(I);
        say!("x = {}, I = {}", x, i_after);
        rust_done();
        _p_finalize();
    }

    if int_value != 56 || real_value != 3.1415 || rec.c_i != 42 || rec.c_d != 1.2345
        || x != 99 || i_before != 0 || i_after != 99
    {
        eprintln!("caller: a value left behind is wrong");
        std::process::exit(1);
    }
}
