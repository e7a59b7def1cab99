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
  end interface

contains

  ! print and the kit have buffers of their own: each is flushed before the other writes.
  subroutine kit_done()
    integer(c_int) :: ignored
    ignored = fflush(c_null_ptr)
  end subroutine
end module

program caller
  use, intrinsic :: iso_fortran_env, only: output_unit, error_unit
  use kit
  implicit none
  integer(c_int32_t) :: int_value, x
  real(c_double) :: real_value
  type(c_record) :: rec

  ! Fortran does not hand a program C's argument vector; the run-time then names it itself.
  call p_initialize(0, c_null_ptr, c_null_ptr)
  int_value = 3
  real_value = 7.23_c_double
  rec = c_record(21, 87.234_c_double)
  call c_world()
  call c_w1(int_value, real_value, rec)
  call kit_done()
  ! A record of formatted output ends in CR LF with MinGW's gfortran; the kit's lines end in
  ! LF alone. So each line is written without a record end, its LF as a character.
  write (output_unit, '(a,i0,1x,f0.4,1x,i0,1x,f0.4,a)', advance='no') 'left behind: ', &
    int_value, real_value, rec%c_i, rec%c_d, new_line('a')
  flush (output_unit)

  call init_foo()
  call init_foo()
  write (output_unit, '(a,i0,a)', advance='no') 'I before: ', foo_i, new_line('a')
  flush (output_unit)
  x = 0
  call helloworld()
  call hello(x)
  call hello(foo_i)
  call kit_done()
  write (output_unit, '(a,i0,a,i0,a)', advance='no') 'x = ', x, ', I = ', foo_i, new_line('a')
  flush (output_unit)
  call p_finalize()

  if (int_value /= 56 .or. real_value /= 3.1415_c_double .or. rec%c_i /= 42 .or. &
      rec%c_d /= 1.2345_c_double .or. x /= 99 .or. foo_i /= 99) then
    write (error_unit, '(a)') 'caller: a value left behind is wrong'
    error stop 1
  end if
end program
