! Module Foo in Fortran, on the kit's run-time. The run-time's variables are reached as
! bind(c) variables, Fortran's own way to share a C variable (gfortran makes each a common
! symbol, which the run-time's definition takes over at link time). Fortran cannot declare
! a variadic procedure, so the write goes through internal_write.c, which makes the
! variadic call with the seven arguments handed to it.
module foo
  use, intrinsic :: iso_c_binding
  implicit none
  private

  integer(c_int32_t), bind(c, name='I'), public :: i = 0
  integer(c_int32_t), bind(c, name='_p_Output'), target :: p_output ! a file: its address alone
  integer(c_int32_t), bind(c, name='_p_InOutRes') :: p_inoutres

  integer(c_int32_t), parameter :: write_plain = 784, item_text = 17, item_line_end = 22
  ! Named constants, so read-only; each ends in its zero byte, which the length leaves out.
  character(kind=c_char, len=*), parameter :: hello_world = 'Hello world in Pascal' // c_null_char
  character(kind=c_char, len=*), parameter :: hello1 = 'Hello1' // c_null_char

  interface
    subroutine internal_write(file, flags, count, text_code, text, length, line_end_code) &
        bind(c, name='foo_internal_write')
      import :: c_ptr, c_int32_t, c_char
      type(c_ptr), value :: file
      integer(c_int32_t), value :: flags, count, text_code, length, line_end_code
      character(kind=c_char), intent(in) :: text(*)
    end subroutine
    subroutine p_checkinoutres() bind(c, name='_p_CheckInOutRes')
    end subroutine
  end interface

contains

  subroutine write_line(text)
    character(kind=c_char, len=*), intent(in) :: text
    call internal_write(c_loc(p_output), write_plain, 2_c_int32_t, item_text, text, &
                        len(text, kind=c_int32_t) - 1_c_int32_t, item_line_end)
    if (p_inoutres /= 0) call p_checkinoutres()
  end subroutine

  subroutine helloworld() bind(c, name='Helloworld')
    call write_line(hello_world)
  end subroutine

  ! Through a pointer, as C hands it: a dummy argument's store could legally move before the
  ! write, which may not see it, and the store must come after the write and its check.
  subroutine hello(x_address) bind(c, name='Hello')
    type(c_ptr), value :: x_address
    integer(c_int32_t), pointer :: x
    call c_f_pointer(x_address, x)
    call write_line(hello1)
    x = 99
  end subroutine

  subroutine init_foo() bind(c, name='init_Foo')
    integer(c_int8_t), save :: initialised = 0
    if (initialised == 0) initialised = 1
  end subroutine
end module
