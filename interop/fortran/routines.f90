! c_w1 and c_world in Fortran, for C callers. Dummy arguments may not alias when one of
! them is defined, and C hands the record's own field as i or d: so the routine takes the
! three addresses by value and reaches the storage through pointers, which may alias.
! printf is variadic, which Fortran cannot call; the double goes through strfromd, which
! formats as printf does, and each line through puts, onto the C caller's stdout.
module routines
  use, intrinsic :: iso_c_binding
  implicit none
  private

  interface
    integer(c_int) function puts(text) bind(c, name='puts')
      import :: c_int, c_char
      character(kind=c_char), intent(in) :: text(*)
    end function
    integer(c_int) function strfromd(text, size, format, value) bind(c, name='strfromd')
      import :: c_int, c_char, c_size_t, c_double
      character(kind=c_char), intent(out) :: text(*)
      integer(c_size_t), value :: size
      character(kind=c_char), intent(in) :: format(*)
      real(c_double), value :: value
    end function
  end interface

contains

  subroutine put_line(line)
    character(*), intent(in) :: line
    integer(c_int) :: ignored
    ignored = puts(line // c_null_char)
  end subroutine

  function int_image(value) result(image)
    integer(c_int32_t), intent(in) :: value
    character(:), allocatable :: image
    character(11) :: text
    write (text, '(i0)') value
    image = trim(text)
  end function

  ! %lf of a double: up to 309 digits before the point, 6 after, a sign, "inf" or "nan".
  function double_image(value) result(image)
    real(c_double), intent(in) :: value
    character(:), allocatable :: image
    character(kind=c_char) :: text(320)
    integer(c_int) :: length
    integer :: n
    length = strfromd(text, size(text, kind=c_size_t), '%.6f' // c_null_char, value)
    allocate (character(length) :: image)
    do n = 1, length
      image(n:n) = text(n)
    end do
  end function

  subroutine c_world() bind(c, name='c_world')
    call put_line('')
    call put_line('Hello World from C')
  end subroutine

  subroutine c_w1(i_address, d_address, r_address) bind(c, name='c_w1')
    type(c_ptr), value :: i_address, d_address, r_address
    type, bind(c) :: c_record
      integer(c_int32_t) :: c_i
      real(c_double) :: c_d
    end type
    integer(c_int32_t), pointer :: i
    real(c_double), pointer :: d
    type(c_record), pointer :: r
    call c_f_pointer(i_address, i)
    call c_f_pointer(d_address, d)
    call c_f_pointer(r_address, r)
    call put_line('Now in function c_w1')
    call put_line('Hello again from C i = ' // int_image(i))
    call put_line(double_image(d) // 'XXX')
    i = 56
    d = 3.1415_c_double
    call put_line('My record c_i = ' // int_image(r%c_i) // ', c_d = ' // double_image(r%c_d))
    r%c_i = 42
    r%c_d = 1.2345_c_double
    call put_line('My record changed to c_i = ' // int_image(r%c_i) // ', c_d = ' // &
                  double_image(r%c_d))
    call put_line('Leaving C')
  end subroutine
end module
