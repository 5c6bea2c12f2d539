-- The central server's database "master": maps a server name to its address.
CREATE TABLE IF NOT EXISTS public.servidores (
  nombre    varchar(20) PRIMARY KEY,
  direccion varchar(20) NOT NULL
);
