! The kit from Fortran: c_w1 by reference through bind(c) interfaces, a bind(c) record, and
! module Foo on the run-time, its variable I through a bind(c) module variable.
module kit
  use, intrinsic :: iso_c_binding
  implicit none

  type, bind(c) :: c_record
    integer(c_int32_t) :: c_i
    real(c_double) :: c_d
  end type

  integer(c_int32_t), bind(c, name='I') :: foo_i

  interface
    subroutine c_world() bind(c, name='c_world')
    end subroutine
    subroutine c_w1(i, d, r) bind(c, name='c_w1')
      import :: c_int32_t, c_double, c_record
      integer(c_int32_t), intent(inout) :: i
      real(c_double), intent(inout) :: d
      type(c_record), intent(inout) :: r
    end subroutine
    subroutine p_initialize(argc, argv, envp) bind(c, name='_p_initialize')
      import :: c_int32_t, c_ptr
      integer(c_int32_t), value :: argc
      type(c_ptr), value :: argv, envp
    end subroutine
    subroutine p_finalize() bind(c, name='_p_finalize')
    end subroutine
    subroutine init_foo() bind(c, name='init_Foo')
    end subroutine
    subroutine helloworld() bind(c, name='Helloworld')
    end subroutine
    subroutine hello(x) bind(c, name='Hello')
      import :: c_int32_t
      integer(c_int32_t), intent(inout) :: x
    end subroutine
    integer(c_int) function fflush(stream) bind(c, name='fflush')
      import :: c_int, c_ptr
      type(c_ptr), value :: stream
    end function
    integer(c_int) function puts(text) bind(c, name='puts')
      import :: c_int, c_char
      character(kind=c_char), dimension(*) :: text
    end function
    type(c_ptr) function strerror(error) bind(c, name='strerror')
      import :: c_int, c_ptr
      integer(c_int), value :: error
    end function
    subroutine quit(status) bind(c, name='_exit')
      import :: c_int
      integer(c_int), value :: status
    end subroutine
  end interface

contains

  ! gfortran's own units drop a failed write's error (flush and close give no iostat, and
  ! the bytes are tried again at exit), so the caller's lines take the kit's stream, the C
  ! library's stdout, and each is flushed with the kit's lines before it there.
  subroutine say(line)
    character(len=*), intent(in) :: line
    if (puts(line // c_null_char) < 0) call write_failed()
    if (fflush(c_null_ptr) /= 0) call write_failed()
  end subroutine

  ! A failed write of standard output, in one line as the kit's run-time says it, with the
  ! errno that the C library left; what the buffers still hold is dropped, not written again
  ! at exit.
  subroutine write_failed()
    use, intrinsic :: iso_fortran_env, only: error_unit
    integer(c_int) :: cause
    character(kind=c_char), pointer :: text(:)
    character(len=256) :: words
    integer :: n
    cause = int(ierrno(), c_int)
    call c_f_pointer(strerror(cause), text, [len(words)])
    words = ''
    n = 0
    do while (n < len(words))
      if (text(n + 1) == c_null_char) exit
      n = n + 1
      words(n:n) = text(n)
    end do
    write (error_unit, '(a)', advance='no') 'caller: write error: ' // words(1:n) // new_line('a')
    flush (error_unit)
    call quit(1)
  end subroutine
end module

program caller
  use, intrinsic :: iso_fortran_env, only: error_unit
  use kit
  implicit none
  integer(c_int32_t) :: int_value, x
  real(c_double) :: real_value
  type(c_record) :: rec
  character(len=80) :: line

  ! Fortran does not hand a program C's argument vector; the run-time then names it itself.
  call p_initialize(0, c_null_ptr, c_null_ptr)
  int_value = 3
  real_value = 7.23_c_double
  rec = c_record(21, 87.234_c_double)
  call c_world()
  call c_w1(int_value, real_value, rec)
  write (line, '(a,i0,1x,f0.4,1x,i0,1x,f0.4)') 'left behind: ', int_value, real_value, &
    rec%c_i, rec%c_d
  call say(trim(line))

  call init_foo()
  call init_foo()
  write (line, '(a,i0)') 'I before: ', foo_i
  call say(trim(line))
  x = 0
  call helloworld()
  call hello(x)
  call hello(foo_i)
  write (line, '(a,i0,a,i0)') 'x = ', x, ', I = ', foo_i
  call say(trim(line))
  call p_finalize()

  if (int_value /= 56 .or. real_value /= 3.1415_c_double .or. rec%c_i /= 42 .or. &
      rec%c_d /= 1.2345_c_double .or. x /= 99 .or. foo_i /= 99) then
    write (error_unit, '(a)') 'caller: a value left behind is wrong'
    error stop 1
  end if
end program
